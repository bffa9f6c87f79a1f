// Handing a quotation's PDF to the desktop's mail program: the file saved where the dealer can
// find it again, then `xdg-email` asked to open a new message with it attached.
#pragma once

#include <QByteArray>
#include <QString>

namespace corvane {

//! The folder the PDFs for e-mail are saved in: the one set in "Dealer details...", else the
//! user's documents folder, else the home folder.
QString MailFolder(const QString& chosen);

struct MailHandOver {
  bool handedOver = false;  //!< the mail program has the message; only then is the quote sent
  QString path;             //!< where the PDF is, when it was saved
  QString message;          //!< one line: what happened, or what is missing and where the PDF is
};

//! Saves the PDF as `fileName` in the folder (made if missing) and runs `xdg-email --attach PATH
//! --subject SUBJECT [RECIPIENT]`, without a shell, found on PATH. Handed over when xdg-email
//! ends with status 0, or is still running after a few seconds (a mail program it started in the
//! foreground has the message by then). Without xdg-email, or when it finds no mail program or
//! fails, the message says so and names the PDF's path.
MailHandOver HandOverToMail(const QByteArray& pdf, const QString& folder, const QString& fileName,
                            const QString& subject, const QString& recipient);

}  // namespace corvane
