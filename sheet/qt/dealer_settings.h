// The dealer's details, kept in the program's settings file.
#pragma once

#include "quotation/dealer_details.h"

class QSettings;

namespace corvane {

//! The details last saved; the defaults for those never set.
DealerDetails LoadDealerDetails(QSettings& settings);

void SaveDealerDetails(QSettings& settings, const DealerDetails& dealer);

}  // namespace corvane
