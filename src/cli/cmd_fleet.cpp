// talvo-cli fleet --ports 1,3,4 [--station] [--rows FILE.csv] [--report FILE.csv|FILE.json]
//                 [--lang en|zh|es] TEMPLATE.dat

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>
#include <set>

#include "cli/cli_texts.h"
#include "cli/command.h"
#include "cli/command_help.h"
#include "cli/file_arguments.h"
#include "cli/interrupt_watch.h"
#include "fleet/fleet_texts.h"
#include "jobs/outcome_words.h"
#include "lang/catalogue.h"
#include "link/port/port_lookup.h"
#include "link/port/port_socket.h"
#include "link/protocol/port_names.h"
#include "radio/codecs/data_file.h"
#include "run/fleet_engine.h"
#include "run/fleet_report_file.h"

namespace talvo::cli {

namespace {

// Some radio was not verified (the others may have been).
constexpr int kSomeNotVerified = 1;

// A port by number, or by the name of its socket under /dev/serial/by-path.
std::optional<run::FleetPortChoice> PortNamed(const QString& word) {
    bool isNumber = false;
    const int number = word.toInt(&isNumber);
    run::FleetPortChoice choice;
    if (isNumber) {
        if (number < link::kLowestPortNumber || number > link::kHighestPortNumber)
            return std::nullopt;
        choice.number = number;
        choice.device = link::DeviceForPort(number).value_or(QString());
    } else {
        if (word.isEmpty() || word.contains('/')) return std::nullopt;
        const link::SystemRoots roots;
        const auto ports = link::SurveyPorts(
            roots, link::CurrentUser(),
            [](const std::string& name) -> std::optional<std::string> {
                const QByteArray v = qgetenv(name.c_str());
                if (v.isEmpty()) return std::nullopt;
                return v.toStdString();
            },
            0);
        const auto found = link::PortInSocket(word.toStdString(), ports, roots);
        if (!found) return std::nullopt;
        choice.number = *found;
        choice.device = link::DeviceForPort(*found).value_or(QString());
    }
    if (!choice.device.isEmpty()) choice.socket = link::SocketOf(choice.device.toStdString(), {});
    return choice;
}

std::string Line(const fleet::RadioRecord& r, Language lang) {
    std::string line = (RenderText(TALVO_TEXT("CmdFleet", "port "), lang)) +
                       std::to_string(r.port) + " (" +
                       (r.device.empty() ? std::string("-") : r.device) +
                       "): " + std::string(fleet::OutcomeName(r.outcome)) + " - " +
                       Render(jobs::FleetOutcomeText(r.outcome), lang);
    if (r.row) line += Words(TALVO_TEXT("CmdFleet", "; row %1"), lang, {std::to_string(*r.row)});
    if (r.differences) {
        char address[16];
        std::snprintf(address, sizeof address, "0x%03zX", r.differences->firstAddress);
        line += (RenderText(TALVO_TEXT("CmdFleet", "; first difference at "), lang)) +
                std::string(address) + (RenderText(TALVO_TEXT("CmdFleet", ", "), lang)) +
                std::to_string(r.differences->count) +
                RenderText(r.differences->count == 1 ? TALVO_TEXT("CmdFleet", " byte")
                                                     : TALVO_TEXT("CmdFleet", " bytes"),
                           lang);
    }
    if (r.backup) line += (RenderText(TALVO_TEXT("CmdFleet", "; backup: "), lang)) + *r.backup;
    return line;
}

int RunFleet(const QStringList& arguments) {
    FileArguments args;
    if (const auto usage = ParseArguments("fleet", arguments, 1,
                                          {{"--ports", "--rows", "--report"}, {"--station"}}, args))
        return *usage;
    const Language lang = args.lang;
    if (!args.has("--ports"))
        return UsageError("fleet", TALVO_TEXT("CliUsage", "%1 is missing"), {"--ports"});

    std::vector<run::FleetPortChoice> ports;
    std::set<int> numbers;
    for (const QString& word : args.values.at("--ports").split(',')) {
        const auto choice = PortNamed(word.trimmed());
        if (!choice)
            return UsageError("fleet", TALVO_TEXT("CliUsage", "%1: \"%2\" names no port %3..%4"),
                              {"--ports", word.toLocal8Bit().toStdString(),
                               std::to_string(link::kLowestPortNumber),
                               std::to_string(link::kHighestPortNumber)});
        if (!numbers.insert(choice->number).second)
            return UsageError("fleet", TALVO_TEXT("CliUsage", "%1: port %2 twice"),
                              {"--ports", std::to_string(choice->number)});
        ports.push_back(*choice);
    }

    std::optional<fleet::ReportFormat> format;
    QString reportPath;
    if (args.has("--report")) {
        reportPath = args.values.at("--report");
        format = fleet::ReportFormatFor(reportPath.toStdString());
        if (!format)
            return UsageError("fleet", TALVO_TEXT("CliUsage", "%1 needs a file ending in %2 or %3"),
                              {"--report", ".csv", ".json"});
        const QFileInfo target(reportPath);
        if (!target.absoluteDir().exists() || target.isDir())
            return UsageError("fleet", TALVO_TEXT("CliUsage", "%1: cannot write %2"),
                              {"--report", reportPath.toLocal8Bit().toStdString()});
    }

    const bool station = args.flags.contains("--station");
    std::vector<fleet::RadioRow> rows;
    if (args.has("--rows")) {
        const QString path = args.values.at("--rows");
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            FileFailure(QFileInfo::exists(path) ? Status::CannotRead : Status::FileNotFound, lang,
                        path);
            return ExitUsage;  // 3 is kept for the template
        }
        const fleet::RadioRows parsed =
            fleet::ParseRadioRows(file.readAll().toStdString(), WordsOfShippedLanguages());
        for (const fleet::RowsProblem& p : parsed.problems)
            std::fprintf(stderr, "talvo-cli fleet: %s: %s\n", path.toLocal8Bit().constData(),
                         Render(fleet::RowsProblemText(p), lang).c_str());
        if (!parsed.problems.empty()) return ExitUsage;
        rows = parsed.rows;
        if (!station && rows.size() < ports.size())
            return UsageError(
                "fleet", TALVO_TEXT("CliUsage", "%1 has %2 rows for %3 ports"),
                {"--rows", std::to_string(rows.size()), std::to_string(ports.size())});
    }

    ProgramState state = StartupState(lang);
    const QString templ = args.files[0];
    if (const Status opened = OpenDataFile(state, LocalPath(templ)); opened != Status::Ok)
        return FileFailure(opened, lang, templ);

    std::fprintf(stderr, "talvo-cli fleet: %s\n",
                 Render(fleet::CalibrationKeptText(), lang).c_str());
    run::FleetEngine engine(state, rows, station);
    QEventLoop loop;
    InterruptWatch interrupt;
    QObject::connect(&interrupt, &InterruptWatch::interrupted, &engine, &run::FleetEngine::cancel);
    QObject::connect(&engine, &run::FleetEngine::radioDone, &loop,
                     [lang](const fleet::RadioRecord& r) {
                         std::printf("%s\n", Line(r, lang).c_str());
                         std::fflush(stdout);
                         if (r.outcome != fleet::FleetOutcome::Cancelled) std::fputc('\a', stderr);
                     });
    QObject::connect(&engine, &run::FleetEngine::finished, &loop, &QEventLoop::quit);
    engine.start(ports);
    if (engine.running()) loop.exec();

    const auto& records = engine.records();
    const auto kept =
        run::KeepReport(records, format.value_or(fleet::ReportFormat::Json), engine.startedAt());
    if (kept.status == Status::Ok)
        std::fprintf(stderr, "talvo-cli fleet: %s %s\n",
                     RenderText(TALVO_TEXT("CmdFleet", "report kept in"), lang).c_str(),
                     kept.path.toLocal8Bit().constData());
    else
        FileFailure(kept.status, lang, kept.path);
    if (!reportPath.isEmpty()) {
        if (const Status written = run::WriteReport(records, reportPath); written != Status::Ok) {
            FileFailure(written, lang, reportPath);
            return kSomeNotVerified;
        }
    }
    const bool allVerified = std::all_of(records.begin(), records.end(), [](const auto& r) {
        return r.outcome == fleet::FleetOutcome::Verified;
    });
    return allVerified ? ExitOk : kSomeNotVerified;
}

const CommandRegistration kFleet(
    "fleet",
    {TALVO_TEXT("CliHelp", "program one data file into the radios on several ports at once (%1)"),
     "--ports N,N,... [--station] [--rows FILE.csv] [--report FILE] TEMPLATE.dat", RunFleet});

const HelpRegistration kFleetHelp("fleet", [] {
    return UsageLines(
               "talvo-cli fleet --ports N,N,... [--station] [--rows FILE.csv]\n"
               "          [--report FILE.csv|FILE.json] [--lang en|zh|es] TEMPLATE.dat") +
           "\n" +
           Paragraph(TALVO_TEXT(
               "CliHelp",
               "Opens TEMPLATE.dat and programs it into the radio on every port at once, each "
               "port on\n"
               "its own: the radio's identification is checked first (a radio of another model is "
               "never\n"
               "written), what it holds is kept as a backup, the data is written without the "
               "power\n"
               "calibration (each radio keeps its own, whatever the hidden modes say), read back "
               "and\n"
               "compared. One line per radio on stdout; a beep on stderr.")) +
           OptionRows(
               19,
               {{"--ports N,N,...",
                 TALVO_TEXT("CliHelp",
                            "port numbers %1..%2, or the names of their sockets under\n"
                            "/dev/serial/by-path (which stay the same whatever the plug order)"),
                 {std::to_string(link::kLowestPortNumber),
                  std::to_string(link::kHighestPortNumber)}},
                {"--station", TALVO_TEXT("CliHelp",
                                         "every port waits for a radio, programs it, waits until "
                                         "it is taken\n"
                                         "off and then waits for the next; stop with Ctrl+C")},
                {"--rows FILE.csv",
                 TALVO_TEXT("CliHelp",
                            "per-radio values: a heading of setting names (DisplayCharacter,\n"
                            "PowerOnPasswordDigits, PowerOnPassword, ... as in diff --json), "
                            "then\n"
                            "one row per radio; each radio takes the next unused row, a radio\n"
                            "that fails gives its row back")},
                {"--report FILE",
                 TALVO_TEXT("CliHelp",
                            "the report, one row per radio, as CSV or JSON by the suffix; a copy\n"
                            "is always kept in the data folder (talvo/reports)")}}) +
           Paragraph(TALVO_TEXT("CliHelp",
                                "Ctrl+C stops every port cleanly; a radio being programmed then "
                                "ends as cancelled.")) +
           ExitStatusLine(TALVO_TEXT("CliHelp",
                                     "exit status: %1 every radio verified, %2 some were not, %3 "
                                     "usage, %4 the template cannot\nbe read"),
                          {ExitOk, kSomeNotVerified, ExitUsage, ExitFile});
});

}  // namespace

}  // namespace talvo::cli
