// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/commands.h"

namespace zormade {

// The document holds nothing and is never modified, so closing never asks to save.
class CZormadeDoc : public CommandTarget {
public:
    bool OnNewDocument() { return true; }
    bool OnCommand(int) override { return false; }
};

}  // namespace zormade
