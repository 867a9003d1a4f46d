// Today's files in the real window (offscreen): a phone's vCard 3.0 export of
// 5,000 cards, each with a photo of 20 KB in base64, against a Google
// Contacts CSV of 5,000 lines (UTF-8, LF). Measures the inspection of both
// files, the click on the start button to "検 査 終 了", and the peak memory
// of the process.
//
//   gui_vcard_bench [FOLDER]   writes phone.vcf and google.csv there (default:
//                              a temporary folder) and prints the figures
//
// Every tenth person has another number in the address book: 500 lines of
// check 3 and 500 of check 4.

#include "ui/form1.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <sys/resource.h>

using namespace vormak;

namespace {

constexpr int kPeople = 5000;
constexpr size_t kPhotoChars = 20000;

const char* const kFamily[] = {"山田", "佐藤", "鈴木", "高橋", "田中", "渡辺", "伊藤", "中村"};
const char* const kGiven[] = {"太郎", "花子", "一郎", "美咲", "健太", "陽子", "翔", "さくら"};

std::string name(int i) {
    return std::string(kFamily[i % 8]) + " " + kGiven[(i / 8) % 8] + std::to_string(i);
}

std::string number(int i, bool other) {
    return "090-" + std::to_string(other ? 5000 + i % 4000 : 1000 + i % 4000) + "-" +
           std::to_string(10000 + i).substr(1);
}

void writeVCard(const std::string& path) {
    std::string photo;
    for (size_t i = 0; photo.size() < kPhotoChars; ++i)
        photo += "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"[i * 7 % 64];
    std::string folded = "PHOTO;ENCODING=b;TYPE=JPEG:";
    for (size_t at = 0, line = 75 - folded.size(); at < photo.size(); line = 74) {
        folded += photo.substr(at, line) + "\r\n ";
        at += line;
    }
    folded.resize(folded.size() - 1);
    std::ofstream out(path, std::ios::binary);
    for (int i = 0; i < kPeople; ++i)
        out << "BEGIN:VCARD\r\nVERSION:3.0\r\nN:" << kFamily[i % 8] << ';' << kGiven[(i / 8) % 8]
            << i << ";;;\r\nFN:" << name(i) << "\r\nX-PHONETIC-LAST-NAME:ヤマダ\r\n"
            << "TEL;type=CELL;type=VOICE;type=pref:" << number(i, false) << "\r\n"
            << folded << "END:VCARD\r\n";
}

void writeGoogle(const std::string& path) {
    std::ofstream out(path, std::ios::binary);
    out << "Name,Given Name,Family Name,Yomi Name,Notes,Group Membership,E-mail 1 - Type,"
           "E-mail 1 - Value,Phone 1 - Type,Phone 1 - Value,Address 1 - Formatted\n";
    for (int i = 0; i < kPeople; ++i)
        out << name(i) << ',' << kGiven[(i / 8) % 8] << i << ',' << kFamily[i % 8]
            << ",ヤマダ,,* myContacts,* Home,user" << i << "@example.jp,Mobile,"
            << number(i, i % 10 == 0) << ",\"〒100-0005\n東京都千代田区丸の内1-1-" << i << "\"\n";
}

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir temporary;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    const QString phone = folder + "/phone.vcf", google = folder + "/google.csv";
    writeVCard(phone.toStdString());
    writeGoogle(google.toStdString());

    ui::Form1 form;
    form.load();
    form.show();
    QCoreApplication::processEvents();
    const auto inspectionStart = std::chrono::steady_clock::now();
    const QString paths[] = {phone, google};
    for (Side side : kBothSides) {
        form.control<QLineEdit>(ui::indexed("ChkFile", side))->setText(paths[sideIndex(side)]);
        form.engine().ChkFile_LostFocus(side);
    }
    const double inspection = secondsSince(inspectionStart);
    const QString status = form.control<QLabel>("JikkouMsg")->text();
    // Google's English titles give the columns: nothing is typed.
    QCoreApplication::processEvents();

    const auto checkStart = std::chrono::steady_clock::now();
    form.control<QPushButton>("Command3")->click();
    const double check = secondsSince(checkStart);
    const bool ended = form.control<QLabel>("JikkouMsg")->text() == QStringLiteral(u"検 査 終 了");

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("inspection status: %s\n", status.toUtf8().constData());
    std::printf("records: %d / %d, findings: %zu, ended: %s\n", form.engine().RecCnt(Side::Mobile),
                form.engine().RecCnt(Side::AddressBook), form.engine().findings().size(),
                ended ? "yes" : "no");
    std::printf("inspection %.3f s, click to end %.3f s, together %.3f s, peak memory %.1f MiB\n",
                inspection, check, inspection + check, usage.ru_maxrss / 1024.0);
    return ended ? 0 : 1;
}
