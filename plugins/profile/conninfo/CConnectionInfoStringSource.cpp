#include "CConnectionInfoStringSource.h"

#include <algorithm>
#include <array>

namespace {

using PeloraFormat::StringEntry;

// Sorted by id.
constexpr std::array kTexts = {
    StringEntry{
        8040,
        "以下の項目に設定されている値が正しくないため、接続情報詳細設定(LOG_CSV)画面を開くことができません。"
        "\nデフォルト値に変更し接続情報詳細設定(LOG_CSV)画面を開きますか？\n\n%1"},
    // Shown texts of the LOG_CSV lists.
    StringEntry{8203, "csv"},
    StringEntry{8204, "txt"},
    StringEntry{8205, "COMMA"},
    StringEntry{8206, "TAB"},
    StringEntry{8207, "CRLF"},
    StringEntry{8208, "LF"},
    StringEntry{8209, "ASCII"},
    StringEntry{8210, "Shift_JIS"},
    StringEntry{8211, "UTF-8"},
    StringEntry{8212, "UTF-16"},
    StringEntry{8213, "BE：ビッグエンディアン"},
    StringEntry{8214, "LE：リトルエンディアン"},
    StringEntry{8215, "0：無し"},
    StringEntry{8216, "1：有り "},
    StringEntry{8217, "0：囲まれない場合"},
    StringEntry{8218, "1：囲まれる場合(一部囲まれる場合も含む)"},
    // Stored values of the LOG_CSV lists.
    StringEntry{8219, "csv"},
    StringEntry{8220, "txt"},
    StringEntry{8221, "COMMA"},
    StringEntry{8222, "TAB"},
    StringEntry{8223, "CRLF"},
    StringEntry{8224, "LF"},
    StringEntry{8225, "ASCII"},
    StringEntry{8226, "Shift_JIS"},
    StringEntry{8227, "UTF-8"},
    StringEntry{8228, "UTF-16"},
    StringEntry{8229, "BE"},
    StringEntry{8230, "LE"},
    StringEntry{8231, "0"},
    StringEntry{8232, "1"},
    StringEntry{8233, "0"},
    StringEntry{8234, "1"},
    // Lines of the LOG_CSV reset question.
    StringEntry{8235, "・タイムスタンプ列\n"},
    StringEntry{8236, "・先頭行\n"},
    StringEntry{8237, "・サンプリング周期\n"},
    StringEntry{8238, "・拡張子\n"},
    StringEntry{8239, "・区切り文字\n"},
    StringEntry{8240, "・改行コード\n"},
    StringEntry{8241, "・文字コード\n"},
    StringEntry{8242, "・文字コードエンディアン\n"},
    StringEntry{8243, "・文字コードBOM\n"},
    StringEntry{8244, "・ダブルクォーテーション\n"},
    StringEntry{8245, "・CSV格納フォルダー\n"},
    StringEntry{
        41021,
        "1024文字を超えるコメントがあります。\n1025文字目以降を削除して接続情報設定画面を表示しますか？"},
    StringEntry{41022, "接続ラベル名"},
    StringEntry{41023, "コメント"},
    StringEntry{41024, "プロトコル種別"},
    StringEntry{41025, "プロトコルバージョン"},
    StringEntry{41026, "詳細"},
    StringEntry{41027, "ProtocolType"},
    StringEntry{41028, "ProtocolVersion"},
    StringEntry{41029, "接続情報が20480個を超えるため追加できません。"},
    StringEntry{41031,
                "選択した接続情報のプロトコル種別とプロトコルバージョンの組合せはサポート外のため接続情報詳細"
                "設定画面を"
                "表示できません。"},
    StringEntry{41032, "指定された接続情報を削除します。\n削除してもよろしいですか?"},
    StringEntry{41033, "DefaultConnection"},
    // Lines of the QDTX reset question.
    StringEntry{41034, "・クライアントIPアドレス\n"},
    StringEntry{41035, "・サーバIPアドレス\n"},
    StringEntry{41036, "・中継局IPアドレス\n"},
    StringEntry{41037, "・クライアントネットワーク番号\n"},
    StringEntry{41038, "・クライアント局番\n"},
    StringEntry{41039, "・サーバポート番号\n"},
    StringEntry{41040, "・サーバネットワーク番号\n"},
    StringEntry{41041, "・サーバ局番\n"},
    StringEntry{41042, "・サーバプロセッサー番号\n"},
    StringEntry{41043, "・中継局ポート番号\n"},
    StringEntry{41044, "・中継局ネットワーク番号\n"},
    StringEntry{41045, "・中継局局番\n"},
    StringEntry{
        41046,
        "以下の項目に設定されている値が正しくないため、接続情報詳細設定(QDTX)画面を開くことができません。\nデ"
        "フォルト値に変更し接続情報詳細設定(QDTX)画面を開きますか？\n\n%1"},
    StringEntry{41047, "接続ラベル名に使用禁止文字が使用されています。"},
    StringEntry{41048, "接続ラベル名の先頭に使用できない文字が使用されています。"},
    StringEntry{41049, "接続ラベル名に予約語が使用されています。"},
    StringEntry{41050, "接続ラベル名は半角英数字+\"_\"のみ使用できます。"},
    StringEntry{
        41051,
        "指定した接続ラベル名は、既に使用されています。\n他で使用されていない名称を指定してください。"},
    StringEntry{41052, "接続ラベル名が未入力です。\n接続ラベル名を入力してください。"},
    StringEntry{41053, "接続ラベル名の文字数が64文字を超えています。"},
    // Lines of the QDTX range message, in the form of the LOG_CSV ones.
    StringEntry{41054, "・クライアントネットワーク番号(範囲:0～65535)\n"},
    StringEntry{41055, "・クライアント局番(範囲:0～65535)\n"},
    StringEntry{41056, "・サーバポート番号(範囲:0～65535)\n"},
    StringEntry{41057, "・サーバネットワーク番号(範囲:0～65535)\n"},
    StringEntry{41058, "・サーバ局番(範囲:0～65535)\n"},
    StringEntry{41059, "・サーバプロセッサー番号(範囲:0～FFFF)\n"},
    StringEntry{41060, "・中継局ポート番号(範囲:0～65535)\n"},
    StringEntry{41061, "・中継局ネットワーク番号(範囲:0～65535)\n"},
    StringEntry{41062, "・中継局局番(範囲:0～65535)\n"},
    StringEntry{41063,
                "以下で指定した項目は範囲外です。範囲内となるよう指定してください。\n\n%1%2%3%4%5%6%7%8%9"},
    StringEntry{41064, "BOOL"},
    StringEntry{41065, "UINT16"},
    StringEntry{41066, "WORD"},
    StringEntry{41067, "STRING(16)"},
    StringEntry{41068, "STRING(39)"},
    StringEntry{41069, "STRING(48)"},
    StringEntry{41070, "STRING_U(256)"},
    StringEntry{41071,
                "編集中のデータは破棄されます。\nデータを破棄し接続情報設定画面を閉じてよろしいですか？"},
    StringEntry{41072, "以下で指定した項目は範囲外です。範囲内となるよう指定してください。\n\n%1%2"},
    StringEntry{41073, "・タイムスタンプ列(範囲:0～65535)\n"},
    StringEntry{41074, "・先頭行(範囲:0～65535)\n"},
    StringEntry{41075, "以下で指定した項目は範囲外です。範囲内となるよう指定してください。\n\n・%1"},
    StringEntry{41076, "ポート番号(範囲:0～65535)"},
    // Lines of the RDB reset question.
    StringEntry{41077, "・IPアドレス\n"},
    StringEntry{41078, "・サーバ名\n"},
    StringEntry{41079, "・ポート番号\n"},
    StringEntry{41080, "・データベース製品名\n"},
    StringEntry{41081, "・データベース製品バージョン\n"},
    StringEntry{41082, "・データベース名\n"},
    StringEntry{41083, "・データソース名\n"},
    StringEntry{41084, "・通信タイムアウト時間\n"},
    StringEntry{41085,
                "以下の項目に設定されている値が正しくないため、接続情報詳細設定(RDB)"
                "画面を開くことができません。\nデフ"
                "ォルト値に変更し接続情報詳細設定(RDB)画面を開きますか？\n\n%1"},
    StringEntry{41086,
                "接続ラベル名の文字数が64文字を超えています。\n接続ラベル名をデフォルトに変更して画面を開きま"
                "すか？\n\n"
                "いいえを選択した場合は、接続情報詳細設定画面にて接続ラベル名を64文字以内になるよう修正してく"
                "ださい。"},
};

static_assert(std::is_sorted(kTexts.begin(), kTexts.end(),
                             [](const StringEntry& a, const StringEntry& b) { return a.id < b.id; }));

}  // namespace

QString CConnectionInfoStringSource::LoadString(int id) const {
    const QString text = m_settings.String(id);
    if (!text.isEmpty()) return text;
    auto it = std::lower_bound(kTexts.begin(), kTexts.end(), id,
                               [](const StringEntry& e, int key) { return e.id < key; });
    if (it == kTexts.end() || it->id != id) return QString();
    return QString::fromUtf8(it->text);
}
