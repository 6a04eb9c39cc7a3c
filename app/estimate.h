// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The abstract of estimate joined to the windows it builds on: priced as the data sheet
// prices costs, following the extractor's quantities, and living as long as the extractor.
#pragma once

#include "documents/document.h"

class AbstractWindow;
class Form17;

namespace ratebook::windows {

// "Abstract of Estimate…" (Ctrl+Shift+A) in the extractor's table menu: asks for a costs
// file and opens the abstract beside the extractor.
void offerAbstract(Form17 *extractor);

// The extractor's abstract, once made; else none.
AbstractWindow *existingAbstract(const Form17 *extractor);

// An estimate file opens in the extractor, with its abstract beside it.
documents::FileKind estimateFiles();

} // namespace ratebook::windows
