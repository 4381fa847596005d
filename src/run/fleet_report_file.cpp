#include "run/fleet_report_file.h"

#include <QFile>
#include <QStandardPaths>

#include "radio/codecs/file_io.h"
#include "run/read_backups.h"

namespace talvo::run {

namespace {

Status WriteText(const std::string& text, const QString& path) {
    const std::vector<std::uint8_t> bytes(text.begin(), text.end());
    return WriteFileAtomically(QFile::encodeName(path).toStdString(), bytes);
}

}  // namespace

QString ReportFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/talvo/reports");
}

Status WriteReport(const std::vector<fleet::RadioRecord>& records, const QString& path) {
    const auto format = fleet::ReportFormatFor(path.toStdString());
    if (!format) return Status::CannotWrite;
    return WriteText(fleet::ReportText(records, *format), path);
}

KeptReport KeepReport(const std::vector<fleet::RadioRecord>& records, fleet::ReportFormat format,
                      const QDateTime& started) {
    const std::string text = fleet::ReportText(records, format);
    const std::vector<std::uint8_t> bytes(text.begin(), text.end());
    const SavedBackup saved = SaveUnderFreeName(
        ReportFolder(), QStringLiteral("fleet-") + started.toString("yyyy-MM-dd_HH-mm-ss"),
        format == fleet::ReportFormat::Json ? QStringLiteral(".json") : QStringLiteral(".csv"),
        bytes);
    return {saved.status, saved.path};
}

}  // namespace talvo::run
