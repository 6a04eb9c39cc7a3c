// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Nothing of an estimate lost: a question before its unsaved changes are dropped, when the
// extractor closes or the desktop session ends; a recovery copy written as the work pauses;
// and at start, a copy that a program which did not close left behind, offered back.
#pragma once

class AbstractWindow;
class Form17;
class QSessionManager;

namespace ratebook::windows {

// The estimate just made: its recovery copy kept, and its extractor asking before it closes.
void keepEstimate(Form17 *extractor, AbstractWindow *abstract);

// At start: each copy left behind offered in turn, newest first, until one is taken; a
// damaged one is reported and removed. True when one was taken and is open.
bool offerRecovery();

// The desktop asks whether the session may end: the same question, where it may be asked.
void commitData(QSessionManager &manager);

} // namespace ratebook::windows
