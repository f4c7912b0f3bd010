// SPDX-License-Identifier: GPL-2.0-or-later
#include "toolkit/command_line.h"

#include <ostream>

namespace toolkit {

std::vector<std::string> argumentsOf(int argc, char** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
  return args;
}

std::string versionText(const std::string& command) {
  return command + " " VOBREL_VERSION
                   "\n"
                   "Licenza GPL-2.0 o successiva: <https://www.gnu.org/licenses/gpl-2.0.html>.\n"
                   "Questo è software libero: si può modificarlo e ridistribuirlo.\n"
                   "Non c'è ALCUNA GARANZIA, nei limiti permessi dalla legge.\n";
}

int refuseCommandLine(const std::string& command, const std::string& fault, std::ostream& err) {
  err << command << ": " << fault << "\n"
      << "Per l'aiuto: " << command << " --help\n";
  err.flush();
  return kBadCommandLine;
}

std::optional<int> answerCommandLine(const std::vector<std::string>& args, const CommandLineProgram& program,
                                     std::ostream& out, std::ostream& err) {
  for (const std::string& a : args) {
    if (a == "--help" || a == "-h") {
      out << program.help;
      out.flush();
      return 0;
    }
    if (a == "--version") {
      out << versionText(program.command);
      out.flush();
      return 0;
    }
  }
  if (program.ownArgs || args.empty()) return std::nullopt;
  const std::string& first = args.front();
  if (!first.empty() && first.front() == '-')
    return refuseCommandLine(program.command, "opzione sconosciuta: " + first, err);
  return refuseCommandLine(program.command, "argomento inatteso: \"" + first + "\"", err);
}

}  // namespace toolkit
