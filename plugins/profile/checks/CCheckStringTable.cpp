#include "CCheckStringTable.h"

#include <algorithm>
#include <iterator>

namespace {

// Japanese table of format 3.0.
constexpr CheckStringEntry kStrings30[] = {
    {40001, "**エラー**セクション %1!s! 、パート %2!s! の%3!s!に書かれた%4!s!への参照が存在しません。"},
    {40003,
     "**エラー**セクション %1!s! 、パート %2!s! "
     "の%3!s!に書かれた参照先は正しくありません。%4!s!パートの%5!s!項目から参照可能なのは%6!s!"
     "パートのみです。"},
    {40010,
     "**エラー**セクション %1!s! 、パート %2!s! の%3!s!に書かれた値は正しくありません。 %4!s! "
     "は使用できません。%5!s!"},
    {40011,
     "**エラー**セクション %1!s! 、パート %2!s! "
     "の%3!s!において、値が省略されています。%4!s!パートの%5!s!項目は省略することができません。"},
    {40012,
     "**エラー**セクション %1!s! 、パート %2!s! における要素のLABEL項目 "
     "%3!s!が重複しています。同一パート内の要素のLABEL項目に同じ名称を設定することはできません。"},
    {40013,
     "**エラー**セクション %1!s! 、パート %2!s! "
     "の%3!s!において使用されている'%4!s!'は予約語です。LABEL項目に使用することはできません。"},
    {40014,
     "**エラー**セクション %1!s! 、パート %2!s! "
     "の%3!s!において使用されている'%4!s!'は使用禁止文字です。LABEL項目に使用することはできません。"},
    {40015,
     "**エラー**セクション %1!s! 、パート %2!s! "
     "の%3!s!において使用されている'%4!s!'は、LABEL項目の先頭に使用することはできません。"},
    {40016,
     "**エラー**セクション %1!s! 、パート %2!s! "
     "の%3!s!"
     "において、全角文字か、もしくは半角カタカナが使用されています。これらの文字は、LABEL項目に使用することは"
     "できません。"},
    {40017,
     "**エラー**セクション %1!s! 、パート %2!s! "
     "の%3!s!の文字列が長すぎます。LABEL項目は64文字以内で入力してください。"},
    {40018,
     "**エラー**セクション %1!s! 、パート %2!s! "
     "の%3!s!に書かれた値は、正しくありません。記述仕様を確認してください。"},
    {40019,
     "**エラー**セクション %1!s! 、パート %2!s! の%3!s!に書かれた値は、ビット数や文字数の指定が範囲外です。"},
    {40020,
     "**エラー**セクション %1!s! 、パート %2!s! "
     "の%3!s!に書かれた値は、%4!s!パートでは使用することができません。"},
    {40021, "**エラー**セクション %1!s! 、パート %2!s! の%3!s!に書かれた括弧の対応が取れていません。"},
    {40022,
     "**エラー**セクション %1!s! 、パート %2!s! "
     "の%3!s!"
     "において、括弧を用いた範囲指定の使用方法が正しくありません。括弧内には半角カンマを必ず１つ記述してくだ"
     "さい。"},
    {40023,
     "**エラー**セクション %1!s! 、パート %2!s! "
     "の%3!s!"
     "において、括弧を用いた範囲指定の使用方法が正しくありません。括弧を用いた範囲指定は、数値のみで使用可能"
     "です。"},
    {40024,
     "**エラー**セクション %1!s! 、パート %2!s! "
     "の%3!s!において、括弧を用いた範囲指定の使用方法が正しくありません。右側に最大値を記述してください。"},
    {40025,
     "**エラー**セクション %1!s! 、パート %2!s! の%3!s!において、\"<\" "
     "\">\"の使用方法が正しくありません。\"<\" \">\"を使用する場合、全ての値を\"<\" "
     "\">\"で囲って記述してください。"},
    {40026,
     "**エラー**セクション %1!s! 、パート %2!s! の%3!s!において、\"<\" "
     "\">\"の使用方法が正しくありません。\"<\" \">\"の中では\"<\" \">\"を使用しないで下さい。"},
    {40027,
     "**エラー**セクション %1!s! 、パート %2!s! に、LABEL %3!s! が設定されていません。%3!s!は必須です。"},
    {40028,
     "**エラー**セクション %1!s! 、パート %2!s! の%3!s!に書かれた値が正しくありません。要素 %4!s! "
     "のDATATYPE項目は、仕様で規定された値を設定してください。"},
    {40029,
     "**エラー**セクション %1!s! 、パート %2!s! の%3!s!に書かれたVersionの値が正しくありません。仕様に従い "
     "%4!s! の形式で設定してください。"},
    {40030,
     "**エラー**セクション %1!s! 、パート %2!s! "
     "の%3!s!に書かれた値が正しくありません。%4!s!には仕様に従い%5!s!を設定してください。"},
    {40031,
     "**エラー**セクション %1!s! 、パート %2!s! の%3!s!に書かれた値が正しくありません。 %4!s! "
     "にはファイル名の禁止文字(\\ / : * ? \" < > |)を使用できません。"},
    {40033,
     "**エラー**セクション %1!s! 、パート %2!s! "
     "の%3!s!に書かれた値が正しくありません。%4!s!に設定可能な値を仕様書で確認してください。"},
    {40034,
     "**エラー**セクション %1!s! 、パート %2!s! "
     "の%3!s!に書かれた値は、DATATYPE項目で指定された型と異なります。"},
    {40035,
     "**エラー**セクション %1!s! 、パート %2!s! "
     "の%3!s!に書かれた値は、正しくありません。余分なスペースは削除してください。"},
    {40038,
     "**エラー**セクション %1!s! 、パート %2!s! "
     "の%3!s!"
     "に書かれた値が正しくありません。ENUMパートを参照する場合、それ以外の値を設定することはできません。"},
    {40039,
     "**エラー**セクション %1!s! 、パート %2!s! "
     "の%3!s!に書かれた値は、DATATYPE項目で指定された型と異なります。"},
    {40040,
     "**エラー**セクション %1!s! 、パート %2!s! "
     "の%3!s!に書かれた値が正しくありません。この要素のDATATYPEでは、ENUMパートを使用できません。"},
    {40041,
     "**エラー**セクション %1!s! 、パート %2!s! "
     "の%3!s!に書かれた値が正しくありません。ENG_UNIT項目が省略された要素では、MIN_"
     "INC項目を設定できません。"},
    {40042,
     "**エラー**セクション %1!s! 、パート %2!s! "
     "の%3!s!に書かれた値が正しくありません。10の冪乗値(...、0.01、0.1、1、10、100、...)のみ使用可能です。"},
    {40043,
     "**エラー**セクション %1!s! 、パート %2!s! "
     "の%3!s!に書かれた値が正しくありません。MIN_"
     "INC項目はDATATYPE項目がINT、UINT、BCDの要素でのみ使用可能です。"},
    {40044,
     "**エラー**セクション %1!s! 、パート %2!s! "
     "の%3!s!に書かれた値が正しくありません。設定可能な値を仕様書で確認してください"},
    {40049,
     "**エラー**セクション %1!s! 、パート %2!s! "
     "の%3!s!に書かれた値が正しくありません。設定可能な値を仕様書で確認してください。"},
    {40065,
     "**エラー**セクション %1!s! 、パート %2!s! "
     "の%3!s!に書かれた値は正しくありません。整数値(10進数、16進数)で設定してください。"},
    {40089,
     "**エラー**セクション %1!s! 、パート %2!s! に、LABEL %3!s! "
     "のDATA項目が設定されていません。DATA項目は必須です。"},
    {40091,
     "**エラー**セクション %1!s! 、パート %2!s! "
     "の%3!s!に書かれた値は記述不可です。ENUM参照の記述仕様を確認してください。"},
    {40114, "**エラー**セクション %1!s!にパート %2!s!が存在しません。%2!s!は必須です。"},
    {40115,
     "**エラー**セクション %1!s! 、パート %2!s! "
     "の%3!s!の文字列が長すぎます。LABEL2項目は128文字以内で入力してください。"},
    {40116,
     "**エラー**セクション %1!s! 、パート %2!s! "
     "の%3!s!"
     "に書かれたVersionの値が正しくありません。バージョン設定画面で選択しているバージョンを記述してください"
     "。"},
    {40117,
     "**エラー**セクション %1 、パート %2 に、LABEL %3 "
     "が設定されていません。ProtocolTypeが「LOG_CSV」の場合、%3は必須です。"},
    {40118,
     "**エラー**セクション %1 、パート %2 に、LABEL %3 "
     "のDATA項目が設定されていません。ProtocolTypeが「LOG_CSV」の場合、DATA項目は必須です。"},
    {40119,
     "**エラー**セクション %1 、パート %2 に、LABEL %3 "
     "が設定されていません。%4が「%5」の場合、%3は必須です。"},
    {40120,
     "**エラー**セクション %1 、パート %2 に、LABEL %3 "
     "のDATA項目が設定されていません。%4が「%5」の場合、DATA項目は必須です。"},
    {40121,
     "**エラー**セクション %1 、パート %2 に、LABEL %3 "
     "は記述できません。%4が「%5」の場合、%3は記述不可です。"},
    {40122,
     "**エラー**セクション %1!s! 、パート %2!s! "
     "の%3!s!に書かれた値が正しくありません。「DeviceInterface」から参照するDEVICE_"
     "IFパートを確認してください。"},
    {40123,
     "**エラー**セクション %1!s! 、パート %2!s! "
     "の%3!s!に書かれた値は、正しくありません。参照元のプロトコル種別の値が「RDB」の場合、記述不可です。"},
    {40124,
     "**エラー**セクション %1!s! 、パート %2!s! "
     "の%3!s!"
     "に書かれた値は、正しくありません。参照元のプロトコル種別の値が「RDB」の場合のみ、記述可能です。"},
    {40125, "**エラー**セクション %1!s!が存在しません。%1!s!は必須です。"},
    {41003, "\u3000"},  // ideographic space
    {41004, "\t"},
    {41006, "拡張子が\"\"ico\"\"のファイル名"},
    {41007, "拡張子が\"\"png\"\"、\"\"bmp\"\"、\"\"jpg\"\"、\"\"gif\"\"のファイル名"},
    {41012, "空"},
    {41015, "パート"},
    {41016, "[No%1!d!,項目 %2!s!]"},
};

// Format 2.0 holds the 3.0 texts without the connection messages, and the missing-section text at 40117.
constexpr int kFirstConnectionMessage20 = 40118;
constexpr int kLastConnectionMessage20 = 40125;
constexpr CheckStringEntry kOverrides20[] = {
    {40117, "**エラー**セクション %1!s!が存在しません。%1!s!は必須です。"},
};

// English table of format 1.1.
constexpr CheckStringEntry kStrings11[] = {
    {40001, "**Error** %1!s! section, %2!s! part, %3!s!: Reference to %4!s! does not exist."},
    {40002,
     "**Error** %1!s! section, %2!s! part, %3!s!: The reference ( %4!s! ) described with \"$()\" does not "
     "exist or the description is not correct. Refer to the specification and check the description "
     "specifications."},
    {40003,
     "**Error** %1!s! section, %2!s! part, %3!s!: Reference is invalid. Only the part %6!s! can be referred "
     "to by %5!s! item of %4!s! part."},
    {40004, "**Error** %1!s! section, %2!s! part, %3!s!: Reference is invalid. Check the specifications."},
    {40005,
     "**Error** %1!s! section, %2!s! part, %3!s!: Reference is invalid. Only the information in the same "
     "section can be referred to by the items in METHOD part or MESSAGE part."},
    {40006,
     "**Error** %1!s! section, %2!s! part, %3!s!: The common information of another section is referred to. "
     "Only the common information of the same section can be referred to."},
    {40007, "**Error** %1!s! section, %2!s! part, %3!s!: Reference is invalid."},
    {40008,
     "**Warning** %1!s! section, %2!s! part, %3!s!: Reference is not recommended. Check the specifications "
     "of ReadVersionType."},
    {40009,
     "**Warning** %1!s! section, %2!s! part, %3!s!: Although \"$()\" is described, it is interpreted as a "
     "usual character string, not reference."},
    {40010, "**Error** %1!s! section, %2!s! part, %3!s!: The value is invalid. %4!s! cannot be used. %5!s!"},
    {40011,
     "**Error** %1!s! section, %2!s! part, %3!s!: The value is omitted. The item %5!s! of %4!s! part cannot "
     "be omitted."},
    {40012,
     "**Error** %1!s! section, %2!s! part: LABEL item %3!s! of the element is duplicated. The same name "
     "cannot be set for LABEL item of multiple elements in a part."},
    {40013,
     "**Error** %1!s! section, %2!s! part, %3!s!: '%4!s!' is a reserved word. It cannot be used in LABEL "
     "item."},
    {40014,
     "**Error** %1!s! section, %2!s! part, %3!s!: '%4!s!' is a prohibited character. It cannot be used in "
     "LABEL item."},
    {40015,
     "**Error** %1!s! section, %2!s! part, %3!s!: '%4!s!' cannot be used at the start of the value in LABEL "
     "item."},
    {40016,
     "**Error** %1!s! section, %2!s! part, %3!s!: Double-byte character or half-byte Katakana is used. These "
     "characters cannot be used in LABEL item."},
    {40017,
     "**Error** %1!s! section, %2!s! part, %3!s!: The string is too long. The value of LABEL item must be "
     "within 64 characters."},
    {40018,
     "**Error** %1!s! section, %2!s! part, %3!s!: The value is invalid. Check the description "
     "specifications."},
    {40019, "**Error** %1!s! section, %2!s! part, %3!s!: The number of bits or characters is out of range."},
    {40020, "**Error** %1!s! section, %2!s! part, %3!s!: The value cannot be used in %4!s! part."},
    {40021, "**Error** %1!s! section, %2!s! part, %3!s!: Use of parentheses is not correct."},
    {40022,
     "**Error** %1!s! section, %2!s! part, %3!s!: Description of range with parentheses is not correct. One "
     "half-width comma is required within parentheses."},
    {40023,
     "**Error** %1!s! section, %2!s! part, %3!s!: Description of range with parentheses is not correct. "
     "Description of range with parentheses can be used only for numerical values."},
    {40024,
     "**Error** %1!s! section, %2!s! part, %3!s!: Description of range with parentheses is not correct. "
     "Maximum value must be described in the right side."},
    {40025,
     "**Error** %1!s! section, %2!s! part, %3!s!: Use of \"<\" \">\" is not correct. When \"<\" \">\" is "
     "used, all values must be enclosed by \"<\" \">\"."},
    {40026,
     "**Error** %1!s! section, %2!s! part, %3!s!: Use of \"<\" \">\" is not correct. \"<\" \">\" cannot be "
     "used within \"<\" \">\"."},
    {40027, "**Error** %1!s! section, %2!s! part: LABEL %3!s! is not set. %3!s! is required."},
    {40028,
     "**Error** %1!s! section, %2!s! part, %3!s!: The value is invalid. Set the value specified by "
     "specifications for DATATYPE item of %4!s! element."},
    {40029,
     "**Error** %1!s! section, %2!s! part, %3!s!: The Version value is invalid. Set the value with %4!s! "
     "format according to the specifications."},
    {40030,
     "**Error** %1!s! section, %2!s! part, %3!s!: The value is invalid. Set %5!s! in %4!s! according to the "
     "specifications."},
    {40031,
     "**Error** %1!s! section, %2!s! part, %3!s!: The value is invalid. Prohibited characters for a file "
     "name (\\ / : * ? \"\" < > |) cannot be used in %4!s!."},
    {40032,
     "**Error** %1!s! section, %2!s! part, %3!s!: The value is invalid. When DATA item of %4!s! is %5!s!, "
     "set %7!s! as the value of %6!s!."},
    {40033,
     "**Error** %1!s! section, %2!s! part, %3!s!: The value is invalid. Refer to the specification and check "
     "the values which can be set for %4!s!."},
    {40034,
     "**Error** %1!s! section, %2!s! part, %3!s!: The type of value is different from the type specified in "
     "DATATYPE item."},
    {40035, "**Error** %1!s! section, %2!s! part, %3!s!: The value is invalid. Delete extra space."},
    {40036,
     "**Error** %1!s! section, %2!s! part, %3!s!: The item cannot be set because DATATYPE item of the "
     "element is STRUCT."},
    {40037,
     "**Error** %1!s! section, %2!s! part, %3!s!: The type of value is different from the type specified in "
     "DATATYPE item."},
    {40038,
     "**Error** %1!s! section, %2!s! part, %3!s!: The value is invalid. When ENUM part is referred to, "
     "another value cannot be set."},
    {40039,
     "**Error** %1!s! section, %2!s! part, %3!s!: The type of value is different from the type specified in "
     "DATATYPE item."},
    {40040,
     "**Error** %1!s! section, %2!s! part, %3!s!: The value is invalid. According to DATATYPE item of this "
     "element, ENUM part cannot be used."},
    {40041,
     "**Error** %1!s! section, %2!s! part, %3!s!: The value is invalid. MIN_INC item cannot be set in the "
     "element in which ENG_UNIT item is omitted."},
    {40042,
     "**Error** %1!s! section, %2!s! part, %3!s!: The value is invalid. Only an exponent of 10 (..., 0.01, "
     "0.1, 1, 10, 100, ...) can be used."},
    {40043,
     "**Error** %1!s! section, %2!s! part, %3!s!: The value is not correct. MIN_INC item is available only "
     "when DATATYPE item is INT, UINT, or BCD element."},
    {40044,
     "**Error** %1!s! section, %2!s! part, %3!s!: The value is invalid. Refer to the specification and check "
     "the values which can be set."},
    {40045,
     "**Error** %1!s! section, %2!s! part, %3!s!: The value ( %4!s! ) is invalid. Check the address format "
     "specifications of devices."},
    {40046,
     "**Error** %1!s! section, %2!s! part, %3!s!: The value is invalid. All the values referred to by "
     "REF_MEMORY and REF_PARAM items must be the same."},
    {40047,
     "**Error** %1!s! section, %2!s! part, %3!s!: The value is invalid. Set the window number and display "
     "sequence according to the specification."},
    {40048,
     "**Error** %1!s! section, %2!s! part, %3!s!: The value is invalid. Set the value in a range of 0 to "
     "65535 or omit it."},
    {40049,
     "**Error** %1!s! section, %2!s! part, %3!s!: The value is invalid. Refer to the specification and check "
     "the values which can be set."},
    {40050,
     "**Error** %1!s! section, %2!s! part, %3!s!: The value ( %4!s! ) is invalid. Check the address format "
     "specifications of devices."},
    {40051,
     "**Error** %1!s! section, %2!s! part, %3!s!: The value ( %4!s! ) is invalid. Check the address format "
     "specifications of devices."},
    {40052,
     "**Error** %1!s! section, %2!s! part, %3!s!: The value is invalid. The number of data must be same as "
     "%4!s! item."},
    {40053,
     "**Error** %1!s! section, %2!s! part, %3!s!: The value is invalid. Set the data type directly (except "
     "STRUCT type), or set the reference to DATATYPE item in an element."},
    {40054,
     "**Error** %1!s! section, %2!s! part, %3!s!: The value is invalid. Describe the value according to the "
     "type specified in %4!s! item."},
    {40055,
     "**Error** %1!s! section, %2!s! part, %3!s!: The value is invalid. Describe the reference to VALUE item "
     "in an element (or the reference to \"Parameter consistency check information\")."},
    {40056,
     "**Error** %1!s! section, %2!s! part, %3!s!: The value is invalid. Reference with %4!s! can be set only "
     "in %5!s! item."},
    {40057,
     "**Error** %1!s! section, %2!s! part, %3!s!: The value is invalid. The element referred to by %4!s! "
     "must be %5!s!."},
    {40058, "**Error** %1!s! section, %2!s! part, %3!s!: The value is invalid. %4!s! is %5!s!."},
    {40059,
     "**Error** %1!s! section, %2!s! part, %3!s!: The value is invalid. Set an integer (decimal, "
     "hexadecimal)."},
    {40060,
     "**Error** %1!s! section, %2!s! part, %3!s!: The value is invalid. Check the description "
     "specifications."},
    {40061,
     "**Error** %1!s! section, %2!s! part, %3!s!: The value is invalid. Set \"PARENT_TARGET\" for the "
     "element to be referred to by %4!s! item."},
    {40062,
     "**Error** %1!s! section, %2!s! part, %3!s!: The value is invalid. The processing in which read "
     "instructions are performed twice or more times to the same element, or in which read instruction and "
     "write instruction are performed to the same element cannot be set in the continuous processing with "
     "%4!s! item."},
    {40063,
     "**Error** %1!s! section, %2!s! part, %3!s!: The value is invalid. Set the value in the format of "
     "\"(Number of bytes).(Number of bits)\"."},
    {40064, "**Error** %1!s! section, %2!s! part, %3!s!: The value is duplicated in STRUCT part."},
    {40065,
     "**Error** %1!s! section, %2!s! part, %3!s!: The value is invalid. Set an integer (decimal, "
     "hexadecimal)."},
    {40066,
     "**Error** %1!s! section, %2!s! part, %3!s!: The value is invalid. REF item in a COMMAND_ARGUMENT part "
     "is reserved for future expansion and cannot be set in the current specifications."},
    {40067, "**Error** %1!s! section, %2!s! part, %3!s!: Reference with \"*\" cannot be described."},
    {40068,
     "**Error** %1!s! section, %2!s! part, %3!s!: Use of \"*\" is not correct. \"*\" can be used only to "
     "refer all elements in a part."},
    {40069,
     "**Error** %1!s! section, %2!s! part, %3!s!: Use of \"*\" is not correct. When \"*\" is used in $(), it "
     "must be used to indicate all elements set in TARGET item. Sections and parts cannot be directly "
     "specified."},
    {40070,
     "**Error** %1!s! section, %2!s! part, %3!s!: Reference to %4!s! is invalid. Reference of %5!s! can be "
     "set only for the elements specified in TARGET item."},
    {40071,
     "**Error** %1!s! section, %2!s! part, [No.%3!s!, %4!s! item]: The value is invalid. Check the "
     "description specifications."},
    {40072,
     "**Error** %1!s! section, %2!s! part, %3!s!: The value is invalid. When TARGET item refers to the "
     "element in a COMM_IF_COMMAND part, reference to two or more elements cannot be set."},
    {40073,
     "**Error** %1!s! section, %2!s! part, %3!s!: The value is invalid. Some items cannot be set in the "
     "element in which TARGET item is \"SEQ_TARGET\". Check the specifications."},
    {40074,
     "**Error** %1!s! section, %2!s! part, %3!s!: The value is invalid. PRE cannot be described in the "
     "element in which TARGET item is \"SEQ_TARGET\"."},
    {40075,
     "**Error** %1!s! section, %2!s! part, %3!s!: The value is invalid. When SEQ is described, "
     "\"SEQ_TARGET\" must be described in TARGET item."},
    {40076, "**Error** %1!s! section: LABEL is duplicated."},
    {40077, "**Error** %1!s! section, %2!s! part: LABEL is duplicated."},
    {40078, "**Error** %1!s! section: '%2!s!' is reserved word. It cannot be used in LABEL item."},
    {40079,
     "**Error** %1!s! section, %2!s! part: '%3!s!' is reserved word. It cannot be used in LABEL item."},
    {40080, "**Error** %1!s! section: '%2!s!' is prohibited character. It cannot be used in LABEL item."},
    {40081,
     "**Error** %1!s! section, %2!s! part: '%3!s!' is prohibited character. It cannot be used in LABEL "
     "item."},
    {40082, "**Error** %1!s! section: '%2!s!' cannot be used at the start of the value in LABEL item."},
    {40083,
     "**Error** %1!s! section, %2!s! part: '%3!s!' cannot be used at the start of the value in LABEL item."},
    {40084,
     "**Error** %1!s! section: Double-byte character or one-byte Katakana is used. These characters cannot "
     "be used in LABEL item."},
    {40085,
     "**Error** %1!s! section, %2!s! part: Double-byte character or one-byte Katakana is used. These "
     "characters cannot be used in LABEL item."},
    {40086,
     "**Error** %1!s! section: The string is too long. The value of LABEL item must be within 64 "
     "characters."},
    {40087,
     "**Error** %1!s! section, %2!s! part: The string is too long. The value of LABEL item must be within 64 "
     "characters."},
    {40088,
     "**Error** %1!s! section, %2!s! part, %3!s!: The value is invalid. When all elements are %4!s!, ACCESS "
     "item of all elements in %4!s! destination part must be set to %5!s!."},
    {40089,
     "**Error** %1!s! section, %2!s! part: DATA item of LABEL %3!s! is not set. DATA item is required."},
    {40090,
     "**Error** %1!s! section, %2!s! part: Description of the part is invalid. One or more elements must be "
     "described in a part."},
    {40091,
     "**Error** %1!s! section, %2!s! part, %3!s!: The value is prohibited. Check the description "
     "specifications of reference to ENUM."},
    {40092,
     "**Error** %1 section, %2 part, %3: The value is invalid. For safety devices, describe %5 in DATA item "
     "of %4."},
    {40093,
     "**Error** %1!s! section, %2!s! part: Either DeviceTypeID or DeviceTypeDetail must be set in an "
     "element."},
    {40105,
     "**Error** %1!s! section, %2!s! part, %3!s!: Description is invalid. Check the description "
     "specifications."},
    {40106,
     "**Error** %1!s! section, %2!s! part, %3!s!: Reference is invalid. Check the specifications of "
     "CONDITION part reference."},
    {40107, "**Error** %1 section, %2 part, %3: The value is invalid. Check the description specifications."},
    {40108,
     "**Error** %1 section, %2 part: The condition value is invalid. It is not possible to omit all "
     "conditions."},
    {40109,
     "**Error** %1 section, %2 part, %3: The value is invalid. \"DEFAULT\" must be described in all items of "
     "the last line of condition range."},
    {40110,
     "**Error** %1!s! section, %2!s! part, %3!s!: The value is invalid. Set type cannot be described."},
    {40111,
     "**Error** %1!s! section, %2!s! part: LABEL %3!s! is not set. When DATA item of %4!s! is %5!s!, %3!s! "
     "is required."},
    {40112,
     "**Error** %1!s! section, %2!s! part: LABEL %3!s! is set. When DATA item of %4!s! is %5!s! or when "
     "%4!s! is not described, %3!s! cannot be described."},
    {40113, "**Error** %1!s! section, %2!s! part, %3!s!: Use of parentheses is not correct."},
    {40114, "**Error** %1!s! section: %2!s! part does not exist. %2!s! is required."},
    {40115,
     "**Error** %1!s! section, %2!s! part, %3!s!: The string is too long. The value of LABEL2 item must be "
     "within 128 characters."},
    {40116,
     "**Error** %1!s! section, %2!s! part, %3!s!: The value of Version is not correct. Describe the version "
     "selected in the version setting window."},
    {40117, "**Error** %1!s! section does not exist. %1!s! is necessary."},
    {41001,
     "In RANGE item in BLOCK_PARAMETER part and STRUCT part, $() cannot be described except for $(XXX.VALUE) "
     "reference."},
    {41002, "In CONDITIONx item, $() cannot be described except for $(XXX.VALUE) reference"},
    {41003, "\u3000"},  // ideographic space
    {41004, "\t"},
    {41005, "Item"},
    {41006, "File name with extension \"ico\""},
    {41007, "File name with extension \"png\", \"bmp\", \"jpg\", or \"gif\""},
    {41008, "Cannot write"},
    {41009, "Cannot read"},
    {41010, "The format is invalid."},
    {41011, "Set the value in a range of 1 to 65535."},
    {41012, "Empty"},
    {41013, "."},
    {41014, "Element"},
    {41015, "Part"},
    {41016, "[No.%1!d!, %2!s! item]"},
    {41017, "「%s」,「%s」"},
};

}  // namespace

void CCheckStringTable::Add(const CheckStringEntry* begin, const CheckStringEntry* end) {
    for (const CheckStringEntry* e = begin; e != end; ++e) texts_.insert(e->id, QString::fromUtf8(e->text));
}

QList<int> CCheckStringTable::Ids() const {
    QList<int> ids = texts_.keys();
    std::sort(ids.begin(), ids.end());
    return ids;
}

const CCheckStringTable& CCheckStringTable::Japanese30() {
    static const CCheckStringTable table = [] {
        CCheckStringTable t;
        t.Add(std::begin(kStrings30), std::end(kStrings30));
        return t;
    }();
    return table;
}

const CCheckStringTable& CCheckStringTable::Japanese20() {
    static const CCheckStringTable table = [] {
        CCheckStringTable t;
        for (const CheckStringEntry& e : kStrings30) {
            if (e.id < kFirstConnectionMessage20 || e.id > kLastConnectionMessage20) t.Add(&e, &e + 1);
        }
        t.Add(std::begin(kOverrides20), std::end(kOverrides20));
        return t;
    }();
    return table;
}

const CCheckStringTable& CCheckStringTable::English11() {
    static const CCheckStringTable table = [] {
        CCheckStringTable t;
        t.Add(std::begin(kStrings11), std::end(kStrings11));
        return t;
    }();
    return table;
}
