// A program's data path for one test: its own settings store, program data, gateway and the
// message and status records, pointed at a data service by the store's "Host" value.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <memory>

#include "recording_sinks.h"
#include "service/data_service.h"
#include "settings/options.h"
#include "settings/settings_store.h"
#include "support/fixed_values.h"
#include "support/temporary_store.h"

namespace zak::testing {

class ServiceFixture : public ::testing::Test {
 protected:
  ServiceFixture() {
    LoadOptions(*data_);
    data_->identity = TestIdentity();
  }

  void UseHost(const std::string& host) {
    ASSERT_TRUE(SaveSettingValue(kSectionServer, "Host", host));
  }

  // A new start of the program on the same store: fresh program data and gateway.
  void Restart() {
    data_ = std::make_unique<ProgramData>();
    LoadOptions(*data_);
    data_->identity = TestIdentity();
    gateway_ = MakeGateway();
    context_ =
        std::make_unique<ServiceContext>(ServiceContext{*data_, *gateway_, messages_, Today});
  }

  static Date Today() { return TestToday(); }

  std::unique_ptr<HttpGateway> MakeGateway() {
    return std::make_unique<HttpGateway>(
        data_->options, data_->identity, [] { return TestNow(); },
        [this] {
          ++breaths_;
          QCoreApplication::processEvents();
        });
  }

  TemporaryStore store_;
  std::unique_ptr<ProgramData> data_ = std::make_unique<ProgramData>();
  std::unique_ptr<HttpGateway> gateway_ = MakeGateway();
  RecordingMessages messages_;
  RecordingStatus status_;
  std::unique_ptr<ServiceContext> context_ =
      std::make_unique<ServiceContext>(ServiceContext{*data_, *gateway_, messages_, Today});
  int breaths_ = 0;
};

}  // namespace zak::testing
