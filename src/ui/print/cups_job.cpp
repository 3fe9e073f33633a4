#include "cups_job.h"

#include <cups/cups.h>

#include <cerrno>
#include <cstring>
#include <memory>

namespace zak::ui {
namespace {

// How long a CUPS that accepted the connection may stay silent before the job counts as failed.
constexpr double kAnswerSeconds = 30.0;
constexpr int kConnectMilliseconds = 30000;

struct HttpClose {
  void operator()(http_t* http) const { httpClose(http); }
};
using Connection = std::unique_ptr<http_t, HttpClose>;

Failure Refused(const CupsJob& job, const std::string& reason) {
  return Fail("Der Ausdruck konnte nicht an den Drucker \u201e" + job.printer.toStdString() +
              "\u201c \u00fcbergeben werden. " + reason);
}

// CUPS's own words and the status behind them, e.g. "Destination … is not accepting jobs."
// (server-error-not-accepting-jobs).
std::string LastCupsAnswer() {
  return "CUPS meldet: " + std::string(cupsLastErrorString()) + " (" +
         ippErrorString(cupsLastError()) + ")";
}

}  // namespace

Outcome<int> SubmitToCups(const CupsJob& job, const QByteArray& pdf) {
  // An instance ("name/instance") is a set of options kept on this computer; CUPS knows the
  // queue by its name alone.
  const std::string queue = job.printer.section('/', 0, 0).toStdString();
  const Connection http(httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(),
                                     1, kConnectMilliseconds, nullptr));
  if (!http) {
    return Refused(job, "CUPS antwortet nicht unter " + std::string(cupsServer()) + ": " +
                            std::strerror(errno));
  }
  // Without a callback, a CUPS silent for this long ends the request with an error.
  httpSetTimeout(http.get(), kAnswerSeconds, nullptr, nullptr);

  cups_option_t* options = nullptr;
  int count = 0;
  for (const auto& [name, value] : job.options) {
    count = cupsAddOption(name.c_str(), value.c_str(), count, &options);
  }
  const int id = cupsCreateJob(http.get(), queue.c_str(), job.title.c_str(), count, options);
  cupsFreeOptions(count, options);
  if (id == 0) {
    // A queue removed meanwhile is reported only as a missing resource: said plainly here.
    std::string reason = LastCupsAnswer();
    if (cups_dest_t* dest = cupsGetNamedDest(http.get(), queue.c_str(), nullptr)) {
      cupsFreeDests(1, dest);
    } else {
      reason = "CUPS kennt diesen Drucker nicht (mehr). " + reason;
    }
    return Refused(job, reason);
  }

  const bool sent = cupsStartDocument(http.get(), queue.c_str(), id, job.title.c_str(),
                                      CUPS_FORMAT_PDF, 1) == HTTP_STATUS_CONTINUE &&
                    cupsWriteRequestData(http.get(), pdf.constData(),
                                         static_cast<size_t>(pdf.size())) == HTTP_STATUS_CONTINUE &&
                    cupsFinishDocument(http.get(), queue.c_str()) == IPP_STATUS_OK;
  if (!sent) {
    const Failure failure = Refused(job, LastCupsAnswer());
    // Half a document prints nothing useful: the job goes.
    cupsCancelJob2(http.get(), queue.c_str(), id, 0);
    return failure;
  }
  return id;
}

}  // namespace zak::ui
