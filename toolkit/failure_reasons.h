// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Why an operation failed, in the words the user reads. The database engine and the
// system give their reasons in English; both programs show them in Italian.
#include <QString>
#include <exception>

namespace toolkit {

// A system error number (errno) in plain Italian words.
QString systemReason(int errorNumber);

// A failure's text: the database engine's known messages and a system reason at its end
// ("...: Permission denied") become Italian; any other text is returned as it is.
QString failureReason(const QString& text);

// The same for a caught exception; system errors and lack of memory are told by kind.
QString failureReason(const std::exception& e);

}  // namespace toolkit
