// Any bytes as a channel CSV file: reading and placing never crash, every count adds up, and
// the channels taken survive an export and a second import unchanged, into a fresh program
// and back into themselves.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "exchange/channel_export.h"
#include "exchange/channel_import.h"
#include "radio/state/program_state.h"

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace talvo;
    static const ProgramState fresh = StartupState();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ChannelTable table = ReadChannelTable(text);
    for (Placement placement : {Placement::ByLocation, Placement::FreeFrom}) {
        ImportRequest request;
        request.placement = placement;
        request.firstChannel = size % 130;
        const ImportPlan plan = PlanImport(table, fresh.channels, fresh.band, request);
        Check(plan.imported + plan.adjusted + plan.refused + plan.skipped ==
              static_cast<int>(plan.rows.size()));
        Check(plan.taken() <= kChannelCount);
        if (plan.taken() == 0) continue;
        const CsvExport csv = ExportChannelsCsv(plan.result, fresh.band);
        Check(csv.channels == plan.taken());
        const ImportPlan again =
            PlanImport(ReadChannelTable(csv.text), fresh.channels, fresh.band, {});
        Check(again.imported == plan.taken());
        // Back into the very channels it came from, it changes none of them.
        const ImportPlan same = PlanImport(ReadChannelTable(csv.text), plan.result, fresh.band, {});
        Check(same.taken() == plan.taken());
        for (const ImportRow& row : same.rows) Check(row.unchanged && !row.overwrites);
        Check(again.result == plan.result);
        Check(same.result == plan.result);
    }
    return 0;
}
