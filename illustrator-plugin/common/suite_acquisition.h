// Acquisition of an edition's suite tables: a static list of (name, version, address of the suite
// pointer), fetched on the first acquisition only and released when the last one is returned.
#pragma once

#include <cstddef>
#include <cstdint>

#include "ai_suites.h"

namespace orvan::markwell {

struct SuiteEntry {
  const char* name;
  std::int32_t version;
  const void** suite;
};

// The address of a typed suite pointer as the table stores it.
template <class T>
const void** Slot(const T** pointer) {
  return reinterpret_cast<const void**>(pointer);
}

struct SuiteList {
  const SuiteEntry* entries;
  std::size_t count;
};

// The entry whose acquisition failed, for messages that name it.
struct SuiteFailure {
  AIErr code = kNoErr;
  const SuiteEntry* entry = nullptr;
};

// One per edition: the module-wide count of acquisitions over that edition's lists.
class SuiteAcquisition {
 public:
  SuiteAcquisition(const SuiteList* lists, std::size_t listCount) : lists_(lists), listCount_(listCount) {}

  // The first acquisition walks the lists in order and stops at the first failure; later ones only
  // count. Every call counts, so every call must be matched by Release.
  SuiteFailure Acquire(const SPBasicSuite* basic);
  // The last release returns every suite that was fetched and clears its pointer.
  void Release(const SPBasicSuite* basic);
  // After the host reloaded the library, the fresh module starts counting again.
  void ResetCount() { count_ = 0; }
  bool Holds(const char* name) const;

 private:
  const SuiteList* lists_;
  std::size_t listCount_;
  int count_ = 0;
};

}  // namespace orvan::markwell
