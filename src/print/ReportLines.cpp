#include "print/ReportLines.h"

#include "data/ValueFormat.h"

namespace vestra {
namespace {

std::string blanks(std::size_t n) {
    return std::string(n, ' ');
}

// The item lines of a group put their values in column 13, like the header.
std::string itemLine(std::string_view name, const std::string& value) {
    return blanks(4) + std::string(name) + blanks(2) + value;
}

void addHeader(std::vector<std::string>& out, const DataSet& data, const PrintOptions& o,
               TemperatureUnit unit) {
    if (o.printSubject) {
        out.push_back("件名" + blanks(8) + data.subject);
    }
    if (o.printDateTime) {
        out.push_back("日時" + blanks(8) + FormatTimestampSeconds(data.importedAt));
    }
    if (o.printDeviceLabel) {
        out.push_back("本体ﾗﾍﾞﾙ" + blanks(4) + data.deviceLabel);
    }
    if (o.printUnit) {
        out.push_back("測定単位" + blanks(4) + UnitText(unit));
    }
    if (o.printTotalCount) {
        out.push_back("全収録数" + blanks(4) + FormatCount(data.totalCount, false) + "件");
    }
}

void addItems(std::vector<std::string>& out, const GroupSetting& g, const PrintOptions& o,
              TemperatureUnit unit) {
    if (o.printTarget) {
        out.push_back(itemLine("対象物", g.target));
    }
    if (o.printMeasurer) {
        out.push_back(itemLine("測定者", g.measurer));
    }
    if (o.printTag) {
        out.push_back(blanks(4) + "ﾀｸﾞ" + blanks(5) + g.tag);
    }
    if (o.printEmissivity) {
        out.push_back(itemLine("放射率", FormatEmissivity(g.emissivity, true)));
    }
    if (o.printAlarmHigh) {
        out.push_back(itemLine("上限値", FormatTemperature(g.alarmHigh, true) + UnitText(unit)));
    }
    if (o.printAlarmLow) {
        out.push_back(itemLine("下限値", FormatTemperature(g.alarmLow, true) + UnitText(unit)));
    }
    out.push_back(itemLine("収録数", FormatCount(g.recordCount, false) + "件"));
}

std::string tableHeading(const PrintOptions& o, TemperatureUnit unit) {
    std::string line = blanks(4) + "収録No." + blanks(5) + "収録日時" + blanks(7) + "データ(" +
                       UnitText(unit) + ")";
    if (o.printAlarmColumn) {
        line += blanks(4) + "警報";
    }
    if (o.printRemarkColumn) {
        line += blanks(4) + "備考";
    }
    return line;
}

std::string readingLine(const MemoryRecord& r, const PrintOptions& o) {
    std::string line = blanks(7) + FormatCount(static_cast<std::int16_t>(r.no), true) + blanks(2) +
                       FormatTimestamp(r.takenAt) + blanks(4) + FormatTemperature(r.value, true) +
                       blanks(8);
    if (o.printAlarmColumn) {
        line += AlarmMarkText(r.alarmMark, 4) + blanks(4);
    }
    if (o.printRemarkColumn) {
        line += r.remark;
    }
    return line;
}

std::string extremeLine(std::string_view name, const GroupSetting& g, int index) {
    MemoryRecord r = RecordAt(g, index);
    return itemLine(name,
                    FormatTimestamp(r.takenAt) + blanks(4) + FormatTemperature(r.value, true));
}

void addTable(std::vector<std::string>& out, const GroupSetting& g, const PrintOptions& o,
              TemperatureUnit unit) {
    out.push_back(tableHeading(o, unit));
    for (int k = 1; k <= g.recordCount; ++k) {
        out.push_back(readingLine(RecordAt(g, k), o));
    }
    if (o.printMaximum) {
        out.push_back(extremeLine("最大値", g, g.maxIndex));
    }
    if (o.printMinimum) {
        out.push_back(extremeLine("最小値", g, g.minIndex));
    }
    // The blanks stand where the other two statistics carry their date, so the values line up.
    if (o.printAverage) {
        out.push_back(itemLine("平均値", blanks(16 + 4) + FormatTemperature(g.average, true)));
    }
}

} // namespace

std::vector<std::string> ReportLines(const DataSet& data, const PrintOptions& options,
                                     TemperatureUnit unit) {
    std::vector<std::string> out;
    addHeader(out, data, options, unit);
    for (int n = 1; n <= kGroupCount; ++n) {
        if (!options.group(n)) {
            continue;
        }
        const GroupSetting& g = data.group(n);
        out.emplace_back();
        out.push_back("ｸﾞﾙｰﾌﾟ" + std::to_string(n));
        addItems(out, g, options, unit);
        if (options.printRecords && g.recordCount > 0) {
            addTable(out, g, options, unit);
        }
    }
    return out;
}

} // namespace vestra
