#include "second_text.h"

namespace zak::dataservice {

std::string_view SecondText::At(std::time_t seconds) {
  if (seconds != formatted_) {
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    length_ = std::strftime(text_, sizeof text_, format_, &utc);
    formatted_ = seconds;
  }
  return {text_, length_};
}

}  // namespace zak::dataservice
