// corvane-register: the quote register from the command line. Lists, finds and shows quotes,
// exports them (JSON, CSV, XLSX) and imports them (JSON as exported), in the register the window
// uses or the one --register names (a SQLite file or a PostgreSQL URI).
// Exit status: 0 done, 2 bad input (usage, a file that is not the format, a number held already),
// 1 the register unreachable or a file that cannot be written.
#include <QCoreApplication>
#include <QFile>
#include <QSettings>

#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "corvane/version.h"
#include "money/format_price.h"
#include "qt/program_settings.h"
#include "qt/qt_text.h"
#include "quotation/quote_status.h"
#include "register/qt/open_register.h"
#include "register/qt/quotes_file.h"
#include "register/qt/sqlite_register.h"
#include "register/register_json.h"

namespace corvane {
namespace {

constexpr int kDone = 0;
constexpr int kUnreachable = 1;
constexpr int kBadInput = 2;
// An import file beyond this is refused before it is read.
constexpr qint64 kMaxImportBytes = 512LL * 1024 * 1024;
constexpr std::chrono::milliseconds kCommandPatience{120'000};

constexpr const char* kUsage =
    "Usage: corvane-register [--register LOCATION] COMMAND\n"
    "  list [--find TEXT]   one line per quote: number, date, status, customer, reference, total\n"
    "  show NUMBER          the quote (\"Q-2026-0007\" or \"Q-2026-0007 rev. 2\")\n"
    "  export FILE          every quote kept, by FILE's extension: .json, .csv or .xlsx;\n"
    "                       - writes JSON to standard output\n"
    "  import FILE          the quotes of a JSON file as exported (- reads standard input)\n"
    "LOCATION is a SQLite file or a PostgreSQL URI (postgresql://user@host/database);\n"
    "without it, the register the window uses.\n";

// A failure already said in one line, with the exit status it ends with.
struct Stop {
  int status;
  std::string message;
};

std::string OneLine(std::string text) {
  for (char& c : text) {
    if (c == '\n' || c == '\r' || c == '\t') c = ' ';
  }
  return text;
}

QuoteDate Today() {
  return std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
}

QString Location(const QString& given) {
  if (!given.isEmpty()) return given;
  const QString set = ProgramSettings()->value(QStringLiteral("register")).toString();
  return set.isEmpty() ? DefaultRegisterPath() : set;
}

std::unique_ptr<QuoteRegister> Open(const QString& location) {
  try {
    // A batch may wait its turn behind windows and other imports for longer than a window would.
    return OpenRegister(location, kCommandPatience);
  } catch (const RegisterError& error) {
    throw Stop{kUnreachable, error.what()};
  }
}

std::string Amount(Money amount) {
  return FormatPrice(amount);
}

int List(QuoteRegister& quotes, const std::string& find) {
  RegisterFilter filter;
  filter.text = find;
  filter.today = Today();
  for (const RegisterEntry& e : quotes.Entries(filter)) {
    Quotation shown;
    shown.number = e.number;
    shown.revision = e.revision;
    shown.status = e.status;
    shown.validUntil = e.validUntil;
    std::cout << NumberWithRevision(shown) << '\t' << IsoDate(e.date) << '\t'
              << StatusName(ShownStatus(shown, filter.today)) << '\t' << OneLine(e.customer) << '\t'
              << OneLine(e.reference) << '\t' << DecimalText(e.totalIncludingVat) << '\n';
  }
  return kDone;
}

int Show(QuoteRegister& quotes, std::string number) {
  std::optional<int> revision;
  const std::size_t mark = number.find(" rev. ");
  if (mark != std::string::npos) {
    try {
      revision = std::stoi(number.substr(mark + 6));
    } catch (const std::exception&) {
      throw Stop{kBadInput, "\"" + number + "\" is not a quote number"};
    }
    number.resize(mark);
  }
  Quotation q;
  try {
    q = quotes.Find(number, revision);
  } catch (const RegisterError& error) {
    // A number the register does not hold is the caller's; one it cannot read is the register's.
    const bool none = std::string(error.what()).find("holds no quote") != std::string::npos;
    throw Stop{none ? kBadInput : kUnreachable, error.what()};
  }
  std::cout << "Quotation " << NumberWithRevision(q) << '\n'
            << "Status: " << StatusName(ShownStatus(q, Today()))
            << (q.statusDate ? " (" + IsoDate(*q.statusDate) + ")" : std::string()) << '\n'
            << "Date: " << IsoDate(q.date) << ", valid until " << IsoDate(q.validUntil) << '\n'
            << "Customer: " << q.customer.company << '\n';
  if (!q.customer.contact.empty()) std::cout << "Contact: " << q.customer.contact << '\n';
  if (!q.reference.empty()) std::cout << "Reference: " << q.reference << '\n';
  std::cout << "Currency: " << q.currency << '\n';
  for (const QuoteLine& l : q.lines) {
    std::cout << l.quantity << " x " << l.description << " at " << Amount(l.unitPrice)
              << (l.basis == PriceBasis::IncludingVat ? " incl. VAT" : "") << " = "
              << Amount(l.basis == PriceBasis::IncludingVat ? l.amounts.includingVat
                                                            : l.amounts.excludingVat)
              << '\n';
  }
  for (const VatRow& row : q.totals.rates) {
    std::string rate = DecimalText(Money::fromTenThousandths(row.rate.hundredths * 100));
    if (rate.ends_with(".00")) rate.resize(rate.size() - 3);
    std::cout << "VAT " << rate << "% on " << Amount(row.base) << ": " << Amount(row.vat) << '\n';
  }
  std::cout << "Total excl. VAT: " << Amount(q.totals.excludingVat) << '\n'
            << "Total incl. VAT: " << Amount(q.totals.includingVat) << '\n';
  return kDone;
}

int Export(QuoteRegister& quotes, const QString& path) {
  if (path != QLatin1String("-") && !IsQuotesFileName(path)) {
    throw Stop{kBadInput,
               ToStdString(path) + ": the file's name ends in none of .json, .csv, .xlsx"};
  }
  const std::vector<Quotation> all = quotes.Export({});
  if (path == QLatin1String("-")) {
    std::cout << RegisterJson(all);
    std::cout.flush();
    if (!std::cout) throw Stop{kUnreachable, "standard output cannot be written"};
    return kDone;
  }
  try {
    WriteQuotesFile(path, all, Today());
  } catch (const QuotesFileWriteError& error) {
    throw Stop{kUnreachable, error.what()};
  }
  return kDone;
}

int Import(QuoteRegister& quotes, const QString& path) {
  QFile file;
  const bool standardInput = path == QLatin1String("-");
  const bool opened = standardInput ? file.open(stdin, QIODevice::ReadOnly)
                                    : (file.setFileName(path), file.open(QIODevice::ReadOnly));
  if (!opened) {
    throw Stop{kBadInput,
               ToStdString(path) + ": cannot be read: " + ToStdString(file.errorString())};
  }
  if (!standardInput && file.size() > kMaxImportBytes) {
    throw Stop{kBadInput, ToStdString(path) + ": larger than any register this program imports"};
  }
  const QByteArray bytes = file.read(kMaxImportBytes + 1);
  if (bytes.size() > kMaxImportBytes) {
    throw Stop{kBadInput, ToStdString(path) + ": larger than any register this program imports"};
  }
  std::vector<Quotation> read;
  try {
    read = QuotationsOfJson(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  } catch (const RegisterFileError& fault) {
    throw Stop{kBadInput, ToStdString(path) + ": " + fault.what() + "; nothing was imported"};
  }
  // A number the register holds already is the file's fault: refused whole, before any is kept.
  for (const Quotation& q : read) {
    if (q.number.empty()) continue;
    bool held = true;
    try {
      quotes.Find(q.number, q.revision);
    } catch (const RegisterError&) {
      held = false;
    }
    if (held) {
      throw Stop{kBadInput, ToStdString(path) + ": the register holds " + NumberWithRevision(q) +
                                " already; nothing was imported"};
    }
  }
  const std::vector<Quotation> kept = quotes.Import(read);
  std::cerr << kept.size() << (kept.size() == 1 ? " quote" : " quotes") << " imported\n";
  return kDone;
}

int Run(const QStringList& arguments) {
  QString location;
  QStringList rest;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& a = arguments[i];
    if (a == QLatin1String("--register")) {
      if (++i >= arguments.size()) throw Stop{kBadInput, "--register needs a LOCATION"};
      location = arguments[i];
    } else if (a.startsWith(QLatin1String("--register="))) {
      location = a.mid(11);
    } else if (a == QLatin1String("--help")) {
      std::cout << kUsage;
      return kDone;
    } else if (a == QLatin1String("--version")) {
      std::cout << "corvane-register " << kVersion << '\n';
      return kDone;
    } else {
      rest << a;
    }
  }
  if (rest.isEmpty()) throw Stop{kBadInput, "no command given; try --help"};
  const QString command = rest.takeFirst();
  const auto one = [&](const char* what) {
    if (rest.size() != 1) {
      throw Stop{kBadInput, ToStdString(command) + " takes " + what + "; try --help"};
    }
    return rest.first();
  };
  if (command == QLatin1String("list")) {
    std::string find;
    if (rest.size() == 2 && rest[0] == QLatin1String("--find")) {
      find = ToStdString(rest[1]);
    } else if (rest.size() == 1 && rest[0].startsWith(QLatin1String("--find="))) {
      find = ToStdString(rest[0].mid(7));
    } else if (!rest.isEmpty()) {
      throw Stop{kBadInput, "list takes only --find TEXT; try --help"};
    }
    auto quotes = Open(Location(location));
    return List(*quotes, find);
  }
  if (command == QLatin1String("show")) {
    const std::string number = ToStdString(one("a NUMBER"));
    auto quotes = Open(Location(location));
    return Show(*quotes, number);
  }
  if (command == QLatin1String("export")) {
    const QString file = one("a FILE");
    auto quotes = Open(Location(location));
    return Export(*quotes, file);
  }
  if (command == QLatin1String("import")) {
    const QString file = one("a FILE");
    auto quotes = Open(Location(location));
    return Import(*quotes, file);
  }
  throw Stop{kBadInput, "no command " + ToStdString(command) + "; try --help"};
}

}  // namespace
}  // namespace corvane

int main(int argc, char* argv[]) {
  QCoreApplication application(argc, argv);
  try {
    return corvane::Run(QCoreApplication::arguments());
  } catch (const corvane::Stop& stop) {
    std::cerr << "corvane-register: " << corvane::OneLine(stop.message) << '\n';
    return stop.status;
  } catch (const corvane::RegisterError& error) {
    std::cerr << "corvane-register: " << corvane::OneLine(error.what()) << '\n';
    return corvane::kUnreachable;
  } catch (const std::exception& error) {
    std::cerr << "corvane-register: " << corvane::OneLine(error.what()) << '\n';
    return corvane::kUnreachable;
  }
}
