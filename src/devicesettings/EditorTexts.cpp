#include "devicesettings/EditorTexts.h"

#include "base/TemperatureUnit.h"
#include "data/ValueFormat.h"

namespace vestra {
namespace {

constexpr std::string_view kNewLine = "\r\n";

} // namespace

std::string MeasuringRangeText(TemperatureUnit unit) {
    std::string maximum = unit == TemperatureUnit::Celsius ? "500" : "932";
    std::string text = "お使いの機種の";
    text += kNewLine;
    text += "測定範囲は";
    text += kNewLine;
    text += "   -40" + UnitText(unit) + " から";
    text += kNewLine;
    text += "   " + maximum + UnitText(unit) + " です。";
    return text;
}

std::string MemoryWarningText() {
    std::string text = "　！！警告！！";
    text += kNewLine;
    text += kNewLine;
    text += "本機能を実行すると内部メモりデータは全て消去されてしまいます。";
    text += kNewLine;
    text += "大切なデータを取り込んだ後に実行することをおすすめします。";
    return text;
}

std::string TabCaption(int group) {
    return PadLeft(std::to_string(group), 2);
}

std::string GroupFrameCaption(int group) {
    static constexpr std::string_view kFullWidthDigits[] = {"０", "１", "２", "３", "４",
                                                            "５", "６", "７", "８", "９"};
    std::string text = "グループ";
    for (char digit : std::to_string(group)) {
        text += kFullWidthDigits[digit - '0'];
    }
    return text;
}

std::string SendConfirmationText() {
    return "本体の機能設定を実行すると、内部メモリデータが消去されます。\r\nよろしいですか?";
}

std::string SendCompletedText() {
    return "本体の設定を完了しました。";
}

std::string RestoreDefaultsQuestionText() {
    return "ﾃﾞﾌｫﾙﾄに戻してもよろしいですか?";
}

} // namespace vestra
