#include "qt/program_settings.h"

namespace corvane {

std::unique_ptr<QSettings> ProgramSettings() {
  return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                     QStringLiteral("Corvane"),
                                     QStringLiteral("corvane-crossgrade"));
}

}  // namespace corvane
