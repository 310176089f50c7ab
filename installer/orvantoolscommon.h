// The installer's common module: host detection and lookups, and the per-host installation routines.
#pragma once
#include "host_detection.h"
#include "host_installation.h"
