// The boundary of PluginMain, the same for both editions: nothing the host passes is trusted to be
// there, and nothing thrown inside leaves the plug-in.
#pragma once

#include "ai_messages.h"

namespace orvan::markwell {

using MessageDispatch = AIErr (*)(const char* caller, const char* selector, SPMessageData* message);

inline AIErr AtHostBoundary(const char* caller, const char* selector, void* message, MessageDispatch dispatch) noexcept {
  try {
    if (!caller || !selector || !message) return kBadParameterErr;
    return dispatch(caller, selector, static_cast<SPMessageData*>(message));
  } catch (...) {
    return kCantHappenErr;
  }
}

}  // namespace orvan::markwell
