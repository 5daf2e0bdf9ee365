#include "project/project_errors.h"

#include <cerrno>
#include <cstring>
#include <string_view>

#include "model/room_fields.h"

namespace karumoa::project {
namespace {

static_assert(model::kFileSettings.size() == kConditionFieldCount);

bool IsRoofOrFloor(Section s) {
    return s == Section::Roof || s == Section::Floor;
}

std::string_view ElementName(Section s) {
    switch (s) {
        case Section::Roof:
            return "屋根";
        case Section::Floor:
            return "床";
        case Section::Skylight:
            return "天窓";
        default:
            return {};
    }
}

std::string_view RecordFieldName(const FieldRef& f) {
    switch (f.field) {
        case Field::Houi:
        case Field::MadoHoui:
            return "方位";
        case Field::Kuuki:
            return "空気層";
        case Field::Netukanryuu:
            return "熱貫流率";
        case Field::Tate:
            // The roof and floor hold the plan's depth and width here.
            return IsRoofOrFloor(f.section) ? "縦" : "高さ";
        case Field::Yoko:
            return IsRoofOrFloor(f.section) ? "横" : "幅";
        case Field::Zokusei:
            return "属性";
        case Field::LayerCount:
            return "層の数";
        case Field::Atusa:
            return "厚さ";
        case Field::Netu:
            return "熱伝導率";
        case Field::Zai:
            return "材質";
        case Field::Braindo:
            return "ブラインド";
        case Field::Menseki:
            return "窓の面積";
        case Field::EntryCount:
            return "窓の種類の数";
        case Field::Kazu:
            return "数量";
        case Field::MadoTate:
            return "高さ";
        case Field::MadoYoko:
            return "幅";
        default:
            return {};
    }
}

std::string Quoted(std::string_view name) {
    std::string s = "「";
    s += name;
    s += "」";
    return s;
}

std::string LinePrefix(int line) {
    if (line <= 0) {
        return {};
    }
    return std::to_string(line) + " 行目: ";
}

std::string ShownText(const std::string& text) {
    return "（「" + text + "」）";
}

// The field's name followed by a particle: closed up after a closing
// bracket, a blank after a number or parenthesis ("壁2 の「厚さ」(層3) が").
std::string Then(const std::string& name, std::string_view rest) {
    constexpr std::string_view kClose = "」";
    const bool closed = name.size() >= kClose.size() &&
                        std::string_view(name).substr(name.size() - kClose.size()) == kClose;
    return name + (closed ? "" : " ") + std::string(rest);
}

}  // namespace

std::string FieldName(const FieldRef& f) {
    switch (f.section) {
        case Section::Conditions: {
            const auto i = static_cast<std::size_t>(f.index - 1);
            return "条件の" +
                   Quoted(i < model::kFileSettings.size() ? model::kFileSettings[i].name : "");
        }
        case Section::Reserved:
            return "予備の文字列 (" + std::to_string(f.index) + " 番目)";
        case Section::WallCount:
            return Quoted("壁の数");
        case Section::RoofCount:
            return Quoted("屋根の数");
        case Section::FloorCount:
            return Quoted("床の数");
        case Section::SkylightCount:
            return Quoted("天窓の数");
        case Section::None:
        case Section::End:
            return {};
        default:
            break;
    }
    std::string s;
    if (f.section == Section::Wall) {
        s = "壁" + std::to_string(f.element) + " の";
    } else if (f.section == Section::WallWindows) {
        s = "壁" + std::to_string(f.element) + " の窓の";
    } else {
        s = std::string(ElementName(f.section)) + "の";
    }
    s += Quoted(RecordFieldName(f));
    if (f.index > 0) {
        const bool layer =
            f.field == Field::Atusa || f.field == Field::Netu || f.field == Field::Zai;
        s += layer ? "(層" : "(種類";
        s += std::to_string(f.index);
        s += ")";
    }
    return s;
}

std::string ReadError::Message() const {
    const std::string where = LinePrefix(line);
    const std::string name = FieldName(field);
    switch (kind) {
        case Kind::None:
            return {};
        case Kind::FileSystem:
            return FileSystemMessage(errorNumber, false);
        case Kind::FileTooLarge:
            return "ファイルが大きすぎます（" + std::to_string(size) +
                   " バイト）。カルモアのファイルではありません。";
        case Kind::NotRegularFile:
            return "通常のファイルではありません（FIFO やデバイスからは読み込めません）。";
        case Kind::Encoding:
            return where + "Shift_JIS の文字として読めないバイトがあります。" +
                   "カルモアのファイルではないか、壊れています。";
        case Kind::UnexpectedEnd:
            return where + "ファイルが途中で終わっています（" + Then(name, "がありません）。");
        case Kind::EmptyField:
            return where + Then(name, "が空です。");
        case Kind::NotANumber:
            return where + Then(name, "が数値ではありません") + ShownText(text) + "。";
        case Kind::NotABoolean:
            return where + Then(name, "が #TRUE# または #FALSE# ではありません") + ShownText(text) +
                   "。";
        case Kind::OutOfRange:
            return where + Then(name, "の値「") + text + "」は範囲外です（" + detail + "）。";
        case Kind::UnterminatedString:
            return where + Then(name, "の文字列が閉じていません（終わりの \" がありません）。");
        case Kind::TextAfterString:
            return where + Then(name, "の文字列の後に余分な文字があります") + ShownText(text) +
                   "。";
        case Kind::TrailingText:
            return where + "ファイルの最後のデータの後に余分な文字があります" + ShownText(text) +
                   "。";
        case Kind::InvalidRoom:
            return where + detail;
    }
    return {};
}

std::string WriteError::Message() const {
    switch (kind) {
        case Kind::None:
            return {};
        case Kind::NotEncodable:
            return Then(FieldName(field), "の「") + text +
                   "」に Shift_JIS で書けない文字があるため、ファイルに書けません。";
        case Kind::BreaksFormat:
            return Then(FieldName(field), "の「") + text +
                   "」に \" または改行があるため、ファイルに書けません。";
    }
    return {};
}

std::string SaveError::Message() const {
    switch (kind) {
        case Kind::None:
            return {};
        case Kind::Write:
            return write.Message();
        case Kind::FileSystem:
            return FileSystemMessage(errorNumber, true);
        case Kind::ReadOnly:
            return "読み取り専用のファイルです。上書きしませんでした。";
        case Kind::NotRegularFile:
            return "保存先は通常のファイルではありません（FIFO やデバイスには保存できません）。";
        case Kind::NoNewFiles:
            return "保存先のフォルダには新しいファイルを作成できません。別のフォルダを選んで下さい"
                   "。";
    }
    return {};
}

std::string FileSystemMessage(int e, bool saving) {
    switch (e) {
        case EACCES:
        case EPERM:
            return saving ? "保存先に書き込む権限がありません。"
                          : "ファイルを読む権限がありません。";
        case ENOSPC:
        case EDQUOT:
            return "ディスクの空き容量が足りません。";
        case EROFS:
            return "保存先は読み取り専用のファイルシステムです。";
        case ENOENT:
            return saving ? "保存先のフォルダがありません。" : "ファイルがありません。";
        case ENOTDIR:
            return saving ? "保存先のフォルダがありません（途中にフォルダでないものがあります）。"
                          : "ファイルがありません（途中にフォルダでないものがあります）。";
        case EISDIR:
            return saving ? "同じ名前のフォルダがあるため保存できません。"
                          : "フォルダです。ファイルを指定して下さい。";
        case ENAMETOOLONG:
            return "ファイル名が長すぎます。";
        case EFBIG:
            return "ファイルの大きさの上限を超えるため書き込めません。";
        case ELOOP:
            return "シンボリックリンクが循環しています。";
        default:
            break;
    }
    return std::string(saving ? "保存できませんでした（" : "ファイルを読めませんでした（") +
           std::strerror(e) + "）。";
}

}  // namespace karumoa::project
