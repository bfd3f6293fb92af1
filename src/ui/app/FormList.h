#pragma once
// The game's windows, one entry per window (FormList.cpp); the program's wiring hands the list
// to the host (QtHost's constructor).
#include "ui/host/FormMaker.h"

namespace kv {

// Every window that is built, each under the form of its class's name.
const FormEntries& FormList();

}  // namespace kv
