#include "model/status.h"

namespace talvo {

std::string StatusMessage(Status status, LanguageFlagValue lang, const std::string& subject) {
    const bool zh = lang == kChinese;
    const std::string s = subject.empty() ? std::string() : (zh ? "“" + subject + "”" : "\"" + subject + "\"");
    switch (status) {
        case Status::Ok: return zh ? "成功" : "Success";
        case Status::FileNotFound:
            return zh ? "文件" + s + "不存在。" : "The file " + s + " does not exist.";
        case Status::CannotRead:
            return zh ? "无法读取文件" + s + "。" : "The file " + s + " cannot be read.";
        case Status::CannotWrite:
            return zh ? "无法写入文件" + s + "，文件未保存。"
                      : "The file " + s + " cannot be written; nothing was saved.";
        case Status::WrongFileType: return zh ? "文件类型不正确！" : "File type is incorrect!";
        case Status::Truncated:
            return zh ? "文件" + s + "不完整（数据文件应为3120字节）。"
                      : "The file " + s + " is too short (a data file has 3120 bytes).";
        case Status::PortCannotOpen:
            return zh ? "串行端口" + s + "无法打开。" : "The serial port " + s + " cannot be opened.";
        case Status::PermissionDenied:
            return zh ? "没有权限打开串行端口" + s +
                            "。在Linux上请将用户加入dialout组（sudo usermod -aG dialout $USER），然后重新登录。"
                      : "No permission to open the serial port " + s +
                            ". On Linux add your user to the dialout group (sudo usermod -aG dialout "
                            "$USER) and log in again.";
        case Status::TimedOut:
            return zh ? "通信出错，请检查对讲机，连线及串口选择！"
                      : "Communication error, check the line and the serial connection selection!";
        case Status::RefusedByRadio:
            return zh ? "对讲机拒绝了写入的数据。" : "The radio refused the written data.";
    }
    return {};
}

}  // namespace talvo
