#include "Messages.h"

#include <QDir>

namespace zemtar::msg {

QString text(Id id, Language lang)
{
    switch (id) {
    case OutOfRange:
        return pick(lang, "Out of range，please input again.", "超出范围，请重新输入。");
    case DataFormat:
        return pick(lang, "Error Data Format，please input again.", "数据格式错误，请重新输入。");
    case NotEnoughBytes:
        return QStringLiteral("Not received enough byte");
    case CommError:
        return pick(lang, "Communication Error，Please check all the connections and the radio power",
                    "通讯错误，请检查所有连接线和对讲机电源");
    case AllDataCleared:
        return pick(lang, "All data will be Cleared!", "所有数据将被清除！");
    case PortOpenFailed:
        return pick(lang, "Could not Open the Port,Please check whether the Port are occupied or the device are ok",
                    "无法打开端口，请检查端口是否被占用或设备是否正常");
    case ProgramInterrupt:
        return pick(lang, "Program Interrupt，Please reset the radio and try again",
                    "编程中断，请重新启动对讲机后再试");
    case BandOverRange:
        return pick(lang,
                    "\n\nThe frequency band over the range of the radio.\nClick the OK button to continue,or "
                    "click Cancel button to exit.",
                    "\n\n频段超出对讲机的范围。\n按“确定”继续，按“取消”退出。");
    case StepError:
        return pick(lang, "Error data Value，please input according the step value(6.25K/5k).",
                    "数据值错误，请按步进值(6.25K/5K)输入。");
    case ErrorTryAgain:
        return QStringLiteral("Error had happen ,need try again");
    case CautionTitle:
        return pick(lang, "Caution", "警告");
    }
    return {};
}

QString typeMismatch(Language lang)
{
    return pick(lang, "Becuase the type of radio does not match,\ncommunications is interrupt.",
                "对讲机类型不匹配,无法通讯。");
}

QString passwordError() { return QStringLiteral("Password Erroe!"); }

QString partlyWritten(int rows, int total, Language lang)
{
    if (lang == Language::Chinese)
        return QString::fromUtf8("对讲机中只有部分写入的数据（%2 行中的 %1 行）。使用前请重新写频。")
            .arg(rows)
            .arg(total);
    return QStringLiteral("The radio holds a partly written image (%1 of %2 rows). Write again before using it.")
        .arg(rows)
        .arg(total);
}

QString frequencyInputError(Language lang) { return pick(lang, "Frequency input error", "起始频率应小于结束频率"); }

QString radioTypeReset(const QString& where, const QString& value, int count, Language lang)
{
    if (lang == Language::Chinese)
        return QString::fromUtf8("%1 中保存的上次类型 (Type=%2) 不是 %3 种类型之一：已将其删除，新文档使用第一种类型。")
            .arg(where, value)
            .arg(count);
    return QStringLiteral("The last radio type kept in %1 (Type=%2) is not one of the %3 radio types: it was removed, "
                          "and a new document takes the first type.")
        .arg(where, value)
        .arg(count);
}

QString loadLanguageFailed(bool chinese)
{
    return chinese ? QString::fromUtf8("加载语言链接库失败") : QStringLiteral("Load language DLL fail");
}

QString languageFailure(const LanguageFailure& f, bool chinese)
{
    const QString file = QDir::toNativeSeparators(f.file);
    QString en, zh;
    switch (f.kind) {
    case LanguageFailure::SettingsUnreadable:
        en = QStringLiteral("The settings file %1 could not be read: %2").arg(file, f.reason);
        zh = QString::fromUtf8("无法读取设置文件 %1：%2").arg(file, f.reason);
        break;
    case LanguageFailure::NoLanguage:
        en = QStringLiteral("The settings file %1 names no language: its [Setup] section needs Language=English or "
                            "Language=Chinese.")
                 .arg(file);
        zh = QString::fromUtf8("设置文件 %1 没有指定语言：其 [Setup] 段中需要 Language=English 或 Language=Chinese。")
                 .arg(file);
        break;
    case LanguageFailure::Missing:
        en = QStringLiteral("The language file %1 is missing.").arg(file);
        zh = QString::fromUtf8("缺少语言文件 %1。").arg(file);
        break;
    case LanguageFailure::Unreadable:
        en = QStringLiteral("The language file %1 cannot be read: %2.").arg(file, f.reason);
        zh = QString::fromUtf8("无法读取语言文件 %1：%2。").arg(file, f.reason);
        break;
    case LanguageFailure::NotTranslation:
        en = QStringLiteral("The language file %1 is not a translation file (it is damaged, or of another program).")
                 .arg(file);
        zh = QString::fromUtf8("语言文件 %1 不是翻译文件（已损坏，或属于其他程序）。").arg(file);
        break;
    }
    const QString english = loadLanguageFailed(false) + u'\n' + en + QStringLiteral("\nGo on in English?");
    const QString chineseText = loadLanguageFailed(true) + u'\n' + zh + QString::fromUtf8("\n以英文继续吗？");
    return chinese ? chineseText + QStringLiteral("\n\n") + english : english + QStringLiteral("\n\n") + chineseText;
}

QString waitingForRadio(Language lang)
{
    return pick(lang, "Waiting the response from radio....", "请等待对机讲响应....");
}

QString radioTakes(int lowMHz, int highMHz, Language lang)
{
    return pick(lang, "This radio takes %1-%2 MHz.", "本机频段为 %1-%2 MHz。").arg(lowMHz).arg(highMHz);
}

QString dataFormatDetail(FormatFault fault, const QString& typed, int lowMHz, int highMHz, Language lang)
{
    QString what;
    switch (fault) {
    case FormatFault::NotANumber:
        what = pick(lang, "\"%1\" is not a frequency in MHz: type digits with one decimal point, as 145.125.",
                    "“%1”不是以 MHz 为单位的频率：请输入数字和一个小数点，如 145.125。");
        break;
    case FormatFault::BelowRange:
        what = pick(lang, "%1 MHz is below 67 MHz.", "%1 MHz 低于 67 MHz。");
        break;
    case FormatFault::AboveRange:
        what = pick(lang, "%1 MHz is above 600 MHz.", "%1 MHz 高于 600 MHz。");
        break;
    }
    return what.arg(typed) + (lang == Language::Chinese ? QString() : QStringLiteral(" ")) +
           pick(lang, "The radio takes %1-%2 MHz in steps of 5 or 6.25 kHz.",
                "本机频段为 %1-%2 MHz，步进为 5 或 6.25 kHz。")
               .arg(lowMHz)
               .arg(highMHz);
}

QString transferProgress(int block, int blocks, int secondsLeft, Language lang)
{
    const int percent = blocks > 0 ? int(qint64(block) * 100 / blocks) : 0;
    QString text = pick(lang, "block %1 of %2, %3 %", "第 %1 块，共 %2 块，%3%").arg(block).arg(blocks).arg(percent);
    if (secondsLeft < 0 || block >= blocks)
        return text;
    if (secondsLeft < 100)
        return text + pick(lang, ", about %1 s left", "，约剩 %1 秒").arg(secondsLeft);
    return text + pick(lang, ", about %1 min left", "，约剩 %1 分钟").arg((secondsLeft + 30) / 60);
}

QString hexBytes(const QByteArray& bytes, Language lang)
{
    if (bytes.isEmpty())
        return pick(lang, "nothing", "无");
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

QString replyFault(ReplyFault fault, const QByteArray& received, int expectedLength, Language lang)
{
    const QString got = hexBytes(received, lang);
    auto byteAt = [&](int i) { return hexBytes(received.mid(i, 1), lang); };
    switch (fault) {
    case ReplyFault::Nothing:
        return pick(lang, "no answer came", "没有收到应答");
    case ReplyFault::Short:
        return pick(lang, "only %1 of %2 bytes came (%3)", "只收到 %2 字节中的 %1 字节（%3）")
            .arg(received.size())
            .arg(expectedLength)
            .arg(got);
    case ReplyFault::Long:
        return pick(lang, "%1 bytes came instead of %2 (%3)", "收到 %1 字节，而不是 %2 字节（%3）")
            .arg(received.size())
            .arg(expectedLength)
            .arg(got);
    case ReplyFault::FirstByte:
        return pick(lang, "the reply begins with %1 instead of 57 ('W') (received %2)",
                    "应答以 %1 开头，而不是 57（'W'）（收到 %2）")
            .arg(byteAt(0), got);
    case ReplyFault::Address:
        return pick(lang, "the reply names address 0x%1 (received %2)", "应答给出的地址是 0x%1（收到 %2）")
            .arg(QString::fromLatin1(received.mid(1, 2).toHex().toUpper()), got);
    case ReplyFault::Length:
        return pick(lang, "the reply gives the length %1 instead of 08 (received %2)",
                    "应答给出的长度是 %1，而不是 08（收到 %2）")
            .arg(byteAt(3), got);
    case ReplyFault::NotAcknowledged:
        return pick(lang, "%1 came instead of the acknowledgement", "收到 %1，而不是确认").arg(got);
    }
    return got;
}

static QString blockName(std::uint16_t address)
{
    return QStringLiteral("0x") + QStringLiteral("%1").arg(address, 4, 16, QLatin1Char('0')).toUpper();
}

QString askingAgain(std::uint16_t address, bool writing, const QString& fault, int attempt, int retries, Language lang)
{
    if (writing)
        return pick(lang, "Block %1: %2; sending it again (%3 of %4)", "数据块 %1：%2；重新发送（第 %3 次，共 %4 次）")
            .arg(blockName(address), fault)
            .arg(attempt)
            .arg(retries);
    return pick(lang, "Block %1: %2; asking again (%3 of %4)", "数据块 %1：%2；重新请求（第 %3 次，共 %4 次）")
        .arg(blockName(address), fault)
        .arg(attempt)
        .arg(retries);
}

QString blockFailed(std::uint16_t address, bool writing, const QString& fault, int attempts, Language lang)
{
    if (writing)
        return pick(lang, "Block %1, sent %2 times: %3.", "数据块 %1，发送 %2 次：%3。")
            .arg(blockName(address))
            .arg(attempts)
            .arg(fault);
    return pick(lang, "Block %1, asked %2 times: %3.", "数据块 %1，请求 %2 次：%3。")
        .arg(blockName(address))
        .arg(attempts)
        .arg(fault);
}

QString noIdentification(const QString& port, const QByteArray& received, Language lang)
{
    const QString fault = replyFault(received.isEmpty() ? ReplyFault::Nothing : ReplyFault::Short, received, 8, lang);
    if (port.isEmpty())
        return pick(lang, "No reply: the radio sent no identification (%1).", "无应答：对讲机没有发送识别码（%1）。")
            .arg(fault);
    return pick(lang, "No reply: the radio on %1 sent no identification (%2).",
                "无应答：%1 上的对讲机没有发送识别码（%2）。")
        .arg(port, fault);
}

QString noAnswer(const QString& port, Language lang)
{
    return pick(lang, "No answer on %1.", "%1 上没有应答。").arg(port);
}

QString powerStep(PowerStep step, int value, Language lang)
{
    switch (step) {
    case PowerStep::HighMode:
        return pick(lang, "The answer to the high power mode", "高功率模式的应答");
    case PowerStep::LowMode:
        return pick(lang, "The answer to the low power mode", "低功率模式的应答");
    case PowerStep::UpdateWakeUp:
        return pick(lang, "The answer to the update wake-up", "更新唤醒的应答");
    case PowerStep::UpdateMode:
        return pick(lang, "The answer to the update mode", "更新模式的应答");
    case PowerStep::Value:
        return pick(lang, "The answer to the value %1", "数值 %1 的应答").arg(value);
    case PowerStep::ExitWakeUp:
        return pick(lang, "The answer to the exit wake-up", "退出唤醒的应答");
    }
    return {};
}

QString powerAskingAgain(const QString& step, const QString& fault, int attempt, int retries, Language lang)
{
    return pick(lang, "%1: %2; asking again (%3 of %4)", "%1：%2；重新请求（第 %3 次，共 %4 次）")
        .arg(step, fault)
        .arg(attempt)
        .arg(retries);
}

QString powerReplyFailed(const QString& step, const QString& fault, int attempts, Language lang)
{
    return pick(lang, "%1, tried %2 times: %3.", "%1，尝试 %2 次：%3。").arg(step).arg(attempts).arg(fault);
}

QString portPermissionDenied(const QString& device, Language lang)
{
    return pick(lang,
                "Permission denied for %1. Add your user to the dialout group (sudo usermod -aG dialout $USER) "
                "and log in again.",
                "没有打开 %1 的权限。请把您的用户加入 dialout 组（sudo usermod -aG dialout $USER），然后重新登录。")
        .arg(device);
}

} // namespace zemtar::msg
