// Installs a headless backend into the application for the lifetime of a test and
// leaves the application as a fresh process would find it.
#pragma once

#include "ui/not_in_core.h"

#include "headless/fake_copy_data_channel.h"
#include "headless/headless_backend.h"

namespace headless {

class ScopedHeadlessApp {
 public:
  ScopedHeadlessApp();
  ~ScopedHeadlessApp();
  ScopedHeadlessApp(const ScopedHeadlessApp&) = delete;
  ScopedHeadlessApp& operator=(const ScopedHeadlessApp&) = delete;

  HeadlessBackend& backend() { return backend_; }
  FakeCopyDataChannel& copy_data() { return copy_data_; }

 private:
  HeadlessBackend backend_;
  FakeCopyDataChannel copy_data_;
};

}  // namespace headless
