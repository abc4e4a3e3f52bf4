#include "tests/support/PrintedPdf.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <algorithm>
#include <stdexcept>

namespace guitest {
namespace {

QByteArray Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        throw std::runtime_error(program.toStdString() +
                                 " failed: " + process.readAllStandardError().toStdString());
    }
    return process.readAllStandardOutput();
}

} // namespace

const PdfWord* PdfPage::Find(const std::string& text) const {
    const auto found = std::find_if(words.begin(), words.end(),
                                    [&](const PdfWord& word) { return word.text == text; });
    return found == words.end() ? nullptr : &*found;
}

// pdftotext -bbox writes XHTML: one <page> element per page, one <word> element per word.
std::vector<PdfPage> ReadPdf(const std::string& path) {
    static const QRegularExpression element(
        R"re(<page\b|<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">(.*?)</word>)re");
    const QString boxes =
        QString::fromUtf8(Run("pdftotext", {"-bbox", QString::fromStdString(path), "-"}));
    std::vector<PdfPage> pages;
    for (const QRegularExpressionMatch& match : element.globalMatch(boxes)) {
        if (!match.hasCaptured(5)) {
            pages.emplace_back();
        } else if (!pages.empty()) {
            const auto at = [&match](int i) { return match.captured(i).toDouble(); };
            pages.back().words.push_back(
                {QTextDocumentFragment::fromHtml(match.captured(5)).toPlainText().toStdString(),
                 at(1), at(2), at(3), at(4)});
        }
    }
    return pages;
}

bool InkUnder(const std::string& path, const PdfWord& word) {
    const QString root = QString::fromStdString(path) + "-page";
    Run("pdftoppm", {"-r", "72", "-gray", "-singlefile", QString::fromStdString(path), root});
    const QImage page(root + ".pgm");
    for (int y = static_cast<int>(word.top); y < word.bottom; ++y) {
        for (int x = static_cast<int>(word.left); x < word.right; ++x) {
            if (qGray(page.pixel(x, y)) < 128) {
                return true;
            }
        }
    }
    return false;
}

} // namespace guitest
