// A program's data path for one test: its own settings store, program data, gateway and the
// message and status records, pointed at a data service by the store's "Host" value.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <memory>

#include "../settings/temporary_store.h"
#include "recording_sinks.h"
#include "service/data_service.h"
#include "settings/options.h"
#include "settings/settings_store.h"

namespace zak::testing {

class ServiceFixture : public ::testing::Test {
 protected:
  ServiceFixture() {
    LoadOptions(*data_);
    data_->identity = {"00-1A-2B-3C-4D-5E", "KABINE", 18};
  }

  void UseHost(const QString& host) {
    SaveSettingValue(kSectionServer, "Host", host.toStdString());
  }

  // A new start of the program on the same store: fresh program data and gateway.
  void Restart() {
    data_ = std::make_unique<ProgramData>();
    LoadOptions(*data_);
    data_->identity = {"00-1A-2B-3C-4D-5E", "KABINE", 18};
    gateway_ = MakeGateway();
    context_ =
        std::make_unique<ServiceContext>(ServiceContext{*data_, *gateway_, messages_, Today});
  }

  static Date Today() {
    using namespace std::chrono;
    return 2015y / June / 30;  // after the season: every match day has started
  }

  std::unique_ptr<HttpGateway> MakeGateway() {
    return std::make_unique<HttpGateway>(
        data_->options, data_->identity,
        [] {
          using namespace std::chrono;
          return local_days{2015y / May / 23} + 17h;
        },
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
