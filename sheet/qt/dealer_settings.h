// The dealer's details, kept in the program's settings file.
#pragma once

#include "quotation/dealer_details.h"

#include <QString>

class QSettings;

namespace corvane {

//! The details last saved; the defaults for those never set.
DealerDetails LoadDealerDetails(QSettings& settings);

void SaveDealerDetails(QSettings& settings, const DealerDetails& dealer);

//! The folder "E-mail..." saves PDFs in, as set in "Dealer details..."; empty for the default.
QString LoadMailFolder(QSettings& settings);
void SaveMailFolder(QSettings& settings, const QString& folder);

}  // namespace corvane
