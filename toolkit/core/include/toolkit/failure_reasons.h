// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Why an operation failed, in the words the user reads. The database engine and the
// system give their reasons in English; both programs show them in Italian.
#include <QString>
#include <exception>

namespace toolkit {

// A system error number (errno) in plain Italian words.
QString systemReason(int errorNumber);

// A caught exception, told by its kind and codes: the database's result codes, the
// system's error numbers, lack of memory; any other keeps its own text.
QString failureReason(const std::exception& e);

}  // namespace toolkit
