// The paths of a PDF's content streams, read from the plain operators a PDF
// engine writes (q Q cm, m l c v y re, W W*, the fill colour, and the
// operators that end a path); deflated streams are inflated first.
#pragma once

#include <QByteArray>
#include <QRectF>
#include <QString>
#include <QTransform>

#include <algorithm>
#include <functional>
#include <vector>

namespace orvtest {

struct PdfPathEnd {
    int page = 0;        // counted over Qt's page streams (from 1); 0 before the first
    bool pageStream = false;
    QByteArray op;       // the operator that ended the path
    QRectF box;          // the path's extent in points of the page
    bool hasPath = false;
    bool clip = false;   // W or W* came before the end
    QString fill;        // "r g b" of the fill colour
    bool filled() const
    {
        return op == "f" || op == "f*" || op == "F" || op == "B" || op == "B*" || op == "b" || op == "b*";
    }
};

inline void ForEachPdfPath(const QByteArray& pdf, const std::function<void(const PdfPathEnd&)>& onEnd)
{
    int page = 0;
    qsizetype pos = 0;
    while ((pos = pdf.indexOf("stream", pos)) >= 0) {
        pos += 6;
        if (pos < pdf.size() && pdf[pos] == '\r') ++pos;
        if (pos < pdf.size() && pdf[pos] == '\n') ++pos;
        const qsizetype end = pdf.indexOf("endstream", pos);
        if (end < 0) break;
        const QByteArray raw = pdf.mid(pos, end - pos);
        pos = end + 9;
        QByteArray sized(4, 0);
        sized[1] = char(0x10);  // a first guess of 1 MB; grows as needed
        QByteArray content = qUncompress(sized + raw);
        if (content.isEmpty()) content = raw;
        // Qt begins every page's contents so
        const bool pageStream = content.startsWith("/GSa gs");
        if (pageStream) ++page;

        QTransform ctm;
        std::vector<QTransform> stack;
        std::vector<double> nums;
        PdfPathEnd path;
        path.page = page;
        path.pageStream = pageStream;
        path.fill = QStringLiteral("0 0 0");
        double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
        auto add = [&](double x, double y) {
            const QPointF p = ctm.map(QPointF(x, y));
            x0 = path.hasPath ? std::min(x0, p.x()) : p.x();
            y0 = path.hasPath ? std::min(y0, p.y()) : p.y();
            x1 = path.hasPath ? std::max(x1, p.x()) : p.x();
            y1 = path.hasPath ? std::max(y1, p.y()) : p.y();
            path.hasPath = true;
        };
        for (const QByteArray& tok : content.simplified().split(' ')) {
            bool isNumber = false;
            const double v = tok.toDouble(&isNumber);
            if (isNumber) {
                nums.push_back(v);
                continue;
            }
            const std::size_t n = nums.size();
            if (tok == "q") {
                stack.push_back(ctm);
            } else if (tok == "Q" && !stack.empty()) {
                ctm = stack.back();
                stack.pop_back();
            } else if (tok == "cm" && n >= 6) {
                ctm = QTransform(nums[n - 6], nums[n - 5], nums[n - 4], nums[n - 3], nums[n - 2], nums[n - 1]) * ctm;
            } else if ((tok == "m" || tok == "l") && n >= 2) {
                add(nums[n - 2], nums[n - 1]);
            } else if (tok == "c" && n >= 6) {
                for (int i = 0; i < 3; ++i) add(nums[n - 6 + 2 * i], nums[n - 5 + 2 * i]);
            } else if ((tok == "v" || tok == "y") && n >= 4) {
                for (int i = 0; i < 2; ++i) add(nums[n - 4 + 2 * i], nums[n - 3 + 2 * i]);
            } else if (tok == "re" && n >= 4) {
                add(nums[n - 4], nums[n - 3]);
                add(nums[n - 4] + nums[n - 2], nums[n - 3] + nums[n - 1]);
            } else if ((tok == "scn" || tok == "sc" || tok == "rg") && n >= 3) {
                path.fill = QString("%1 %2 %3").arg(nums[n - 3]).arg(nums[n - 2]).arg(nums[n - 1]);
            } else if (tok == "g" && n >= 1) {
                path.fill = QString("%1 %1 %1").arg(nums[n - 1]);
            } else if (tok == "W" || tok == "W*") {
                path.clip = true;
            } else if (tok == "n" || tok == "S" || tok == "s" || tok == "f" || tok == "f*" || tok == "F" ||
                       tok == "B" || tok == "B*" || tok == "b" || tok == "b*") {
                path.op = tok;
                path.box = QRectF(QPointF(x0, y0), QPointF(x1, y1));
                onEnd(path);
                path.hasPath = false;
                path.clip = false;
            }
            nums.clear();
        }
    }
}

} // namespace orvtest
