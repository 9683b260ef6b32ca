#include "locale/MessageTable.h"

#include "locale/IniFile.h"
#include "locale/MsgBox.h"

#include <QDir>

const std::array<TMessageKey, 34> MessageKeys{{
    {"Confirmation", &TLanguage::Confirmation, "提示"},
    {"ExitProgram", &TLanguage::ExitProgram, "确定要退出系统？"},
    {"SaveProgram", &TLanguage::SaveProgram, "是否保存数据？"},
    {"Channel", &TLanguage::Channel, "信道"},
    {"Info", &TLanguage::Info, "信息"},
    {"OutRange", &TLanguage::OutRange, "频率超出范围！"},
    {"Caution", &TLanguage::Caution, "注意"},
    {"FChBigT", &TLanguage::FChBigT, "起始频道应小于结束频道！"},
    {"Close", &TLanguage::Close, "已关闭"},
    {"Open", &TLanguage::Open, "已启动"},
    {"ComError", &TLanguage::ComError, "检查所有连接及通信端口设置！"},
    {"ModError", &TLanguage::ModError, "机型错误，是否强写？"},
    {"ClearData", &TLanguage::ClearData, "是否清空数据？"},
    {"Modforce", &TLanguage::Modforce, "是否强制改写？"},
    {"All", &TLanguage::All, "全部"},
    {"ErrRange", &TLanguage::ErrRange, "频率出错！"},
    {"ModelType", &TLanguage::ModelType, "机型"},
    {"Frequency", &TLanguage::Frequency, "频率"},
    {"ReadOk", &TLanguage::ReadOk, "读取完成！"},
    {"WriteOk", &TLanguage::WriteOk, "写入完成！"},
    {"LPortError", &TLanguage::LPortError, "无法打开端口！"},
    {"FileDamaged", &TLanguage::FileDamaged, "文件 %1 已损坏或不完整，未作任何更改。"},
    {"FileOpenError", &TLanguage::FileOpenError, "无法打开文件 %1：%2"},
    {"FileSaveError", &TLanguage::FileSaveError, "无法保存文件 %1：%2。原有文件保持不变。"},
    {"SettingsSaveError", &TLanguage::SettingsSaveError, "无法保存设置：%1"},
    {"FileCreateError", &TLanguage::FileCreateError, "无法创建文件 %1：%2"},
    {"IniTooLarge", &TLanguage::IniTooLarge, "文件 %1 超过 1 MiB，未被读取，将使用内置设置。"},
    {"PartlyWritten", &TLanguage::PartlyWritten,
     "写入中途停止：对讲机中的数据只写入了一部分。请检查连接后重新写入。"},
    {"NotRegularFile", &TLanguage::NotRegularFile, "它是设备、管道或文件夹，不是普通文件"},
    {"PortMissing", &TLanguage::PortMissing, "设备 %1 不存在。请检查写频线是否已插好。"},
    {"PortBusy", &TLanguage::PortBusy, "设备 %1 正被其他程序占用。请关闭该程序后重试。"},
    {"PortNoAccess", &TLanguage::PortNoAccess, "您没有使用设备 %1 的权限。在 Linux 上，请把您的用户加入 dialout 组（例如：sudo usermod -aG dialout $USER），然后注销并重新登录。"},
    {"PortNotSerial", &TLanguage::PortNotSerial, "设备 %1 不是串口。"},
    {"PortOtherError", &TLanguage::PortOtherError, "无法打开设备 %1：%2"},
}};

void ReportTooLargeFile(const TIniFile& file, const TLanguage& language)
{
    if (file.TooLarge())
        MsgBox(language.Caution, language.IniTooLarge.arg(QDir::toNativeSeparators(file.Path())),
               MsgInformation);
}

void SetBuiltInMessages(TLanguage& language)
{
    for (const TMessageKey& key : MessageKeys)
        language.*key.Member = QString::fromUtf8(key.Default);
}

void LoadLanguage(TLanguage& language, const QString& appPath, const QString& languageName)
{
    const TIniFile file(appPath + languageName + QStringLiteral(".Ini"));
    for (const TMessageKey& key : MessageKeys)
        language.*key.Member = file.ReadString(QStringLiteral("Language"), QString::fromLatin1(key.Key),
                                               QString::fromUtf8(key.Default));
    ReportTooLargeFile(file, language);
}
