#include "exchange/exchange_notes.h"

#include <cstdlib>
#include <map>

#include "exchange/utf8_text.h"
#include "model/channel_lists.h"

namespace talvo {
namespace {

// "{0}", "{1}", ... stand for the note's values.
const std::map<NoteKind, Bilingual>& Templates() {
    static const std::map<NoteKind, Bilingual> texts = {
        {NoteKind::BadLocation,
         {"Location“{0}”不是整数", "Location \"{0}\" is not a whole number"}},
        {NoteKind::LocationOutOfRange,
         {"Location {0} 超出 1..128", "Location {0} is outside 1..128"}},
        {NoteKind::LocationRepeated,
         {"频道 {0} 已由第 {1} 行给出", "channel {0} was already given by line {1}"}},
        {NoteKind::InvalidCell, {"{0} 的值“{1}”无效", "invalid {0} \"{1}\""}},
        {NoteKind::ShortRow,
         {"该行只有 {0} 个单元格，表头有 {1} 个", "the row has {0} cells, the header {1}"}},
        {NoteKind::LongRow,
         {"该行有 {0} 个单元格，表头只有 {1} 个", "the row has {0} cells, the header only {1}"}},
        {NoteKind::RxOutOfBand,
         {"接收频率 {0} MHz 超出当前频段（{1}）的两个范围",
          "receive frequency {0} MHz is outside both ranges of the current band ({1})"}},
        {NoteKind::TxOutOfBand,
         {"发射频率 {0} MHz 超出当前频段（{1}）的两个范围",
          "transmit frequency {0} MHz is outside both ranges of the current band ({1})"}},
        {NoteKind::ModeMissing, {"本机没有 {0} 模式", "the radio has no {0} mode"}},
        {NoteKind::ReverseSquelch,
         {"本机没有反向静噪（{0}）", "the radio has no reverse squelch ({0})"}},
        {NoteKind::CtcssUnavailable,
         {"本机不能发送亚音频 {0}", "the radio cannot send CTCSS tone {0}"}},
        {NoteKind::DcsUnavailable,
         {"本机不能发送数字亚音频 {0}", "the radio cannot send DCS code {0}"}},
        {NoteKind::NoFreeChannel,
         {"从频道 {0} 起已没有空闲频道", "no free channel left from channel {0}"}},
        {NoteKind::NoChannelLeft,
         {"频道 {0} 之后已没有频道", "no channel left after channel 128 (placing from {0})"}},
        {NoteKind::RxSnapped,
         {"接收频率 {0} MHz 按频道步进存为 {1}",
          "receive frequency {0} MHz stored as {1} (channel raster)"}},
        {NoteKind::TxSnapped,
         {"发射频率 {0} MHz 按频道步进存为 {1}",
          "transmit frequency {0} MHz stored as {1} (channel raster)"}},
        {NoteKind::NameTooLong,
         {"名称“{0}”存为“{1}”（本机的名称最多 8 个字符）",
          "name \"{0}\" stored as \"{1}\" (the radio keeps at most 8 characters)"}},
        {NoteKind::NameUnstorable,
         {"名称“{0}”存为“{1}”（去掉本机无法存储的字符，最多 8 个字符）",
          "name \"{0}\" stored as \"{1}\" (characters the radio cannot store left out, at "
          "most 8 kept)"}},
        {NoteKind::PriorityScan,
         {"本机没有优先扫描（P）：按扫描添加导入",
          "the radio has no priority scan (P): imported as scanned"}},
        {NoteKind::PowerNearest,
         {"功率 {0} 取最接近的“{1}”（{2}）", "power {0} taken as the nearest level, {1} ({2})"}},
        {NoteKind::RxDtcsDiffers,
         {"RxDtcsCode {0} 与 DtcsCode {1} 不同：收发都用 {1}",
          "RxDtcsCode {0} differs from DtcsCode {1}: {1} used both ways"}},
        {NoteKind::NoFrequency,
         {"没有频率：不是频道，跳过", "no frequency: not a channel, skipped"}},
        {NoteKind::UnknownHeader, {"不认识的列“{0}”已忽略", "unknown column \"{0}\" ignored"}},
        {NoteKind::RepeatedHeader,
         {"列“{0}”重复，只用第一个", "column \"{0}\" given twice: the first one is used"}},
        {NoteKind::MissingColumn, {"表头没有 {0} 列", "the header has no {0} column"}},
        {NoteKind::NoHeader, {"文件没有表头行", "the file has no header row"}},
        {NoteKind::FileTooLarge,
         {"文件大于 {0} MiB，不是频道表", "the file is larger than {0} MiB: no channel list"}},
        {NoteKind::NoRows, {"文件没有频道行", "the file has no channel rows"}},
        {NoteKind::NotExportedNotANumber,
         {"频道 {0} 未导出：其频率不是数字",
          "channel {0} not exported: its frequency is no number"}},
        {NoteKind::ExportTxNotCarried,
         {"频道 {0} 禁止发射：其发射频率 {1} MHz 无法写入（Duplex 为 off）",
          "channel {0} has transmit prohibited: its transmit frequency {1} MHz is not written "
          "(Duplex off)"}},
        {NoteKind::ExportNoTxFrequency,
         {"频道 {0} 没有发射频率：Duplex 写为 off",
          "channel {0} has no transmit frequency: Duplex written as off"}},
        {NoteKind::ExportPowerUnknown,
         {"频道 {0} 的功率值没有对应的瓦数：Power 留空",
          "channel {0} has a power value without watts: Power left empty"}},
    };
    return texts;
}

}  // namespace

std::string NoteText(const ExchangeNote& note, LanguageFlagValue lang) {
    const auto& texts = Templates();
    const auto found = texts.find(note.kind);
    if (found == texts.end()) return {};
    const std::string& pattern = found->second.pick(lang);
    std::vector<std::string> args = note.args;
    // The power level travels as its list index and is named in the reader's language.
    if (note.kind == NoteKind::PowerNearest && args.size() >= 2) {
        args[1] = ChannelColumnEntry(kColPower, std::atoi(args[1].c_str()), lang);
    }
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '{' && i + 2 < pattern.size() && pattern[i + 2] == '}' &&
            pattern[i + 1] >= '0' && pattern[i + 1] <= '9') {
            const auto k = static_cast<std::size_t>(pattern[i + 1] - '0');
            // Values come from files: shown whole, control bytes escaped.
            if (k < args.size()) out += VisibleText(args[k]);
            i += 2;
            continue;
        }
        out.push_back(pattern[i]);
    }
    // The band that would take a refused frequency, when there is one.
    if ((note.kind == NoteKind::RxOutOfBand || note.kind == NoteKind::TxOutOfBand) &&
        note.args.size() >= 3) {
        if (note.args[2].empty()) {
            out += lang == kChinese ? "；本机没有频段能接收" : "; no band of this radio takes it";
        } else {
            out += lang == kChinese ? "；频段 " + note.args[2] + " 可接收"
                                    : "; band " + note.args[2] + " would take it";
        }
    }
    return out;
}

}  // namespace talvo
