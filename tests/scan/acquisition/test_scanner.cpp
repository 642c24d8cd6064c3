#include "test_scanner.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "scan/acquisition/sane/sane_device.h"

namespace quorvane::testing {
namespace {

class TSettlingDevice : public TSaneDevice {
 public:
  TSettlingDevice() : TSaneDevice(QStringLiteral("test:0")) {}
  void Start() override {
    TSaneDevice::Start();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
};

void Reset(TDeviceSource& source) {
  SetOption(source, "read-return-value", QStringLiteral("Default"));
  SetOption(source, "test-picture", QStringLiteral("Solid black"));
  SetOption(source, "source", QStringLiteral("Flatbed"));
  SetOption(source, "mode", QStringLiteral("Gray"));
  SetOption(source, "depth", 8);
  SetOption(source, "resolution", 50);
  SetOption(source, "tl-x", 0);
  SetOption(source, "tl-y", 0);
  SetOption(source, "br-x", 80);
  SetOption(source, "br-y", 100);
}

}  // namespace

std::unique_ptr<TDeviceSource> OpenTestScanner() {
  auto source = std::make_unique<TDeviceSource>(std::make_unique<TSettlingDevice>(), QStringLiteral("test:0"));
  Reset(*source);
  return source;
}

void SetOption(TDeviceSource& source, const char* name, const QString& text) {
  const int index = source.Options().Find(QLatin1String(name));
  ASSERT_GT(index, 0) << name;
  source.Options().SetText(index, text);
}

void SetOption(TDeviceSource& source, const char* name, double value) {
  const int index = source.Options().Find(QLatin1String(name));
  ASSERT_GT(index, 0) << name;
  source.Options().SetNumber(index, value);
}

TAcquired AcquireAll(TAcquisitionSource& source) {
  TAcquired acquired;
  acquired.Outcome = source.Acquire([&](TPage&& page) { acquired.Pages.push_back(std::move(page)); });
  return acquired;
}

}  // namespace quorvane::testing
