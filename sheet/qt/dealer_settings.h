// The dealer's details, kept in the program's settings file.
#pragma once

#include <QString>

#include <optional>

#include "quotation/dealer_details.h"

#include <QString>

class QSettings;

namespace corvane {

//! The details last saved; the defaults for those never set.
DealerDetails LoadDealerDetails(QSettings& settings);

//! Keeps the details in the settings file; returns why they could not be kept, naming the file
//! and the cause, or nothing.
std::optional<QString> SaveDealerDetails(QSettings& settings, const DealerDetails& dealer);

//! The folder "E-mail..." saves PDFs in, as set in "Dealer details..."; empty for the default.
QString LoadMailFolder(QSettings& settings);
void SaveMailFolder(QSettings& settings, const QString& folder);

}  // namespace corvane
