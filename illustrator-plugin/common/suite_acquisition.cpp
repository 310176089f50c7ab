// Walking the suite tables: fetch on the first acquisition, release on the last.
#include "suite_acquisition.h"

#include <cstring>

namespace orvan::markwell {

SuiteFailure SuiteAcquisition::Acquire(const SPBasicSuite* basic) {
  if (count_++ > 0) return {};
  for (std::size_t l = 0; l < listCount_; ++l) {
    for (std::size_t i = 0; i < lists_[l].count; ++i) {
      const SuiteEntry& e = lists_[l].entries[i];
      if (*e.suite) continue;
      const void* suite = nullptr;
      AIErr err = basic ? basic->AcquireSuite(e.name, e.version, &suite) : kCantHappenErr;
      if (err != kNoErr) return {err, &e};
      *e.suite = suite;
    }
  }
  return {};
}

void SuiteAcquisition::Release(const SPBasicSuite* basic) {
  if (count_ == 0 || --count_ > 0) return;
  for (std::size_t l = 0; l < listCount_; ++l) {
    for (std::size_t i = 0; i < lists_[l].count; ++i) {
      const SuiteEntry& e = lists_[l].entries[i];
      if (!*e.suite) continue;
      // Only what was fetched goes back: after a failed first acquisition the rest stayed null.
      if (basic) basic->ReleaseSuite(e.name, e.version);
      *e.suite = nullptr;
    }
  }
}

bool SuiteAcquisition::Holds(const char* name) const {
  for (std::size_t l = 0; l < listCount_; ++l)
    for (std::size_t i = 0; i < lists_[l].count; ++i)
      if (std::strcmp(lists_[l].entries[i].name, name) == 0 && *lists_[l].entries[i].suite) return true;
  return false;
}

}  // namespace orvan::markwell
