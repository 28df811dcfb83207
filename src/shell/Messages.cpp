#include "Messages.h"

namespace zemtar::msg {

static QString pick(Language lang, const char* en, const char* zh)
{
    return QString::fromUtf8(lang == Language::Chinese ? zh : en);
}

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

QString loadLanguageFailed(bool chinese)
{
    return chinese ? QString::fromUtf8("加载语言链接库失败") : QStringLiteral("Load language DLL fail");
}

QString waitingForRadio(Language lang)
{
    return pick(lang, "Waiting the response from radio....", "请等待对机讲响应....");
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
