#include "payslip/cups_queue.h"

#include "payslip/cups_library.h"

#include <QDeadlineTimer>
#include <QRegularExpression>
#include <QSizeF>
#include <QThread>

#include <algorithm>
#include <optional>

namespace haberes {

namespace {

constexpr int kPollMs = 100;

// Only once cupsLibrary() has been found.
const CupsLibrary& api() { return *cupsLibrary(); }

QString lastError()
{
    return QString::fromUtf8(api().cupsLastErrorString());
}

// One IPP request's answer, freed with it.
struct Answer {
    ipp_t* ipp;
    explicit Answer(ipp_t* request) : ipp(api().cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/")) {}
    ~Answer() { api().ippDelete(ipp); }
    Answer(const Answer&) = delete;
    Answer& operator=(const Answer&) = delete;

    int integer(const char* name, int otherwise) const
    {
        ipp_attribute_t* a = ipp ? api().ippFindAttribute(ipp, name, IPP_TAG_ZERO) : nullptr;
        return a ? api().ippGetInteger(a, 0) : otherwise;
    }
    QString text(const char* name) const
    {
        ipp_attribute_t* a = ipp ? api().ippFindAttribute(ipp, name, IPP_TAG_ZERO) : nullptr;
        if (!a)
            return QString();
        QStringList values;
        for (int i = 0; i < api().ippGetCount(a); ++i) {
            const QString value = QString::fromUtf8(api().ippGetString(a, i, nullptr));
            if (!value.isEmpty() && value != QLatin1String("none"))
                values << value;
        }
        return values.join(QStringLiteral(", "));
    }
};

ipp_t* request(ipp_op_t operation, const char* uriName, const QString& uri)
{
    ipp_t* r = api().ippNewRequest(operation);
    api().ippAddString(r, IPP_TAG_OPERATION, IPP_TAG_URI, uriName, nullptr, uri.toUtf8().constData());
    api().ippAddString(r, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, api().cupsUser());
    return r;
}

QString firstOf(std::initializer_list<QString> texts)
{
    for (const QString& t : texts)
        if (!t.isEmpty())
            return t;
    return QString();
}

QString printerUri(const QString& printer)
{
    return QStringLiteral("ipp://localhost/printers/%1").arg(printer);
}

// The paper the queue prints on unless told otherwise: its media-default,
// or the size in its media-col-default, which is all a queue whose PPD's
// default page size was set by name has. (cupsGetDestMediaDefault answers
// Letter for a queue whose default is A4 when the PPD has no margins.)
std::optional<QPageSize> defaultPaper(const QString& printer)
{
    ipp_t* ask = request(IPP_OP_GET_PRINTER_ATTRIBUTES, "printer-uri", printerUri(printer));
    const char* const wanted[] = {"media-default", "media-col-default"};
    api().ippAddStrings(ask, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr, wanted);
    const Answer queue(ask);
    if (std::optional<QPageSize> named = mediaSize(queue.text("media-default")))
        return named;
    // Hundredths of a millimetre.
    const int width = queue.integer("media-col-default/media-size/x-dimension", 0);
    const int length = queue.integer("media-col-default/media-size/y-dimension", 0);
    if (width <= 0 || length <= 0)
        return std::nullopt;
    return QPageSize(QSizeF(width / 100.0, length / 100.0), QPageSize::Millimeter);
}

} // namespace

std::optional<JobReport> jobOutcome(const QString& printer, int jobId)
{
    const Answer job(request(IPP_OP_GET_JOB_ATTRIBUTES, "job-uri",
                             QStringLiteral("ipp://localhost/jobs/%1").arg(jobId)));
    const int state = job.integer("job-state", IPP_JSTATE_PENDING);
    const QString jobReason = firstOf({job.text("job-printer-state-message"), job.text("job-state-reasons")});
    switch (state) {
    case IPP_JSTATE_COMPLETED:
        return JobReport{JobReport::Outcome::accepted, jobId, QString()};
    case IPP_JSTATE_ABORTED:
    case IPP_JSTATE_CANCELED:
    // Stopped by an error (a filter that failed on a queue that aborts
    // such jobs): it goes no further by itself, and its queue stays idle.
    case IPP_JSTATE_STOPPED: {
        const Answer queue(request(IPP_OP_GET_PRINTER_ATTRIBUTES, "printer-uri",
                                   printerUri(printer)));
        return JobReport{JobReport::Outcome::failed, jobId,
                         firstOf({job.text("job-printer-state-message"), queue.text("printer-state-message"),
                                  job.text("job-state-reasons")})};
    }
    case IPP_JSTATE_HELD:
        return JobReport{JobReport::Outcome::waiting, jobId, jobReason};
    default:
        break;
    }
    const Answer queue(request(IPP_OP_GET_PRINTER_ATTRIBUTES, "printer-uri",
                               printerUri(printer)));
    if (queue.integer("printer-state", IPP_PSTATE_IDLE) == IPP_PSTATE_STOPPED)
        return JobReport{JobReport::Outcome::waiting, jobId,
                         firstOf({queue.text("printer-state-message"), queue.text("printer-state-reasons")})};
    return std::nullopt;
}

Printers cupsPrinters()
{
    Printers printers;
    if (!cupsLibrary())
        return printers;
    cups_dest_t* dests = nullptr;
    const int count = api().cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    for (int i = 0; i < count; ++i) {
        // Instances are the same queue with other options.
        if (dests[i].instance)
            continue;
        const QString name = QString::fromUtf8(dests[i].name);
        printers.names << name;
        if (dests[i].is_default)
            printers.defaultPrinter = name;
    }
    api().cupsFreeDests(count, dests);
    if (!printers.defaultPrinter.isEmpty())
        printers.defaultPaper = defaultPaper(printers.defaultPrinter);
    return printers;
}

JobReport printPdf(const QString& printer, const PaperPdf& render, const QString& title, int watchMs)
{
    if (!cupsLibrary())
        return {JobReport::Outcome::refused, 0, QStringLiteral("no se encontró el sistema de impresión (libcups)")};
    const QByteArray pdf = render(defaultPaper(printer).value_or(usualPageSize()));
    const QByteArray name = printer.toUtf8();
    const int jobId = api().cupsCreateJob(CUPS_HTTP_DEFAULT, name.constData(), title.toUtf8().constData(), 0, nullptr);
    if (jobId == 0)
        return {JobReport::Outcome::refused, 0, lastError()};

    const bool sent =
        api().cupsStartDocument(CUPS_HTTP_DEFAULT, name.constData(), jobId, "recibo.pdf", CUPS_FORMAT_PDF, 1) ==
            HTTP_STATUS_CONTINUE &&
        api().cupsWriteRequestData(CUPS_HTTP_DEFAULT, pdf.constData(), size_t(pdf.size())) == HTTP_STATUS_CONTINUE;
    // Finished even after a failed write: it ends the request either way.
    const ipp_status_t finished = api().cupsFinishDocument(CUPS_HTTP_DEFAULT, name.constData());
    if (!sent || finished > IPP_STATUS_OK_EVENTS_COMPLETE) {
        const QString reason = lastError();
        api().cupsCancelJob2(CUPS_HTTP_DEFAULT, name.constData(), jobId, 0);
        return {JobReport::Outcome::refused, jobId, reason};
    }

    QDeadlineTimer moment(watchMs);
    while (true) {
        if (std::optional<JobReport> report = jobOutcome(printer, jobId))
            return *report;
        if (moment.hasExpired())
            return {JobReport::Outcome::accepted, jobId, QString()};
        QThread::msleep(kPollMs);
    }
}

// ---- Paper sizes.
std::optional<QPageSize> mediaSize(const QString& mediaName)
{
    // class_name_WIDTHxLENGTHunit, perhaps with more after it
    // ("_borderless"); the name itself may hold digits and dots.
    static const QRegularExpression self(QStringLiteral("^[a-z0-9]+_[a-z0-9.-]*_"
                                                        "(\\d+(?:\\.\\d+)?)x(\\d+(?:\\.\\d+)?)(mm|in)(?:_|$)"));
    const QRegularExpressionMatch match = self.match(mediaName);
    if (!match.hasMatch())
        return std::nullopt;
    const double width = match.captured(1).toDouble();
    const double length = match.captured(2).toDouble();
    if (width <= 0 || length <= 0)
        return std::nullopt;
    const QPageSize::Unit unit = match.captured(3) == QLatin1String("mm") ? QPageSize::Millimeter : QPageSize::Inch;
    // A size close to a standard one is taken as that one (A4, Letter), so
    // the page has exactly its size in points.
    const QPageSize size(QSizeF(std::min(width, length), std::max(width, length)), unit);
    return size.isValid() ? std::optional(size) : std::nullopt;
}

QPageSize usualPageSize()
{
    return QPageSize(QPageSize::A4);
}

} // namespace haberes
