#pragma once

#include <QDateTime>
#include <QString>
#include <vector>

#include "fleet/fleet_report.h"
#include "model/status.h"

namespace talvo::run {

// Every fleet run's report is also kept in the user's data folder beside the backups
// (talvo/reports under the XDG data home), named by the local time the run started:
// "fleet-2026-12-08_09-14-03.json", "..._2.json" when that name is taken. Never overwritten.
QString ReportFolder();

// Writes the report to `path` whole or not at all, as CSV or JSON by its suffix
// (CannotWrite for another suffix).
Status WriteReport(const std::vector<fleet::RadioRecord>& records, const QString& path);

struct KeptReport {
    Status status = Status::Ok;
    QString path;
};
KeptReport KeepReport(const std::vector<fleet::RadioRecord>& records, fleet::ReportFormat format,
                      const QDateTime& started);

}  // namespace talvo::run
