// A time of day formatted once a second: the Date header and the access log ask for it at every
// request, and gmtime_r takes a lock in the C library. Keep one per thread (thread_local).
#pragma once

#include <cstddef>
#include <ctime>
#include <string_view>

namespace zak::dataservice {

class SecondText {
 public:
  // `format` as strftime's, in UTC, at most 39 bytes formatted.
  explicit SecondText(const char* format) : format_(format) {}

  std::string_view At(std::time_t seconds);

 private:
  const char* format_;
  std::time_t formatted_ = -1;
  char text_[40] = {};
  std::size_t length_ = 0;
};

}  // namespace zak::dataservice
