#include "report/report_layout.h"

#include <algorithm>

namespace report {

QString expandTabs(const QString &line, int tabWidth) {
    if (tabWidth < 1) tabWidth = 1;
    QString expanded;
    expanded.reserve(line.size() + 16);
    for (const QChar c : line) {
        if (c != QLatin1Char('\t')) {
            expanded += c;
            continue;
        }
        const int spaces = tabWidth - expanded.size() % tabWidth;
        expanded += QString(spaces, QLatin1Char(' '));
    }
    return expanded;
}

QStringList wrapLine(const QString &line, int columns, int indent) {
    indent = std::max(indent, 0);
    // A continuation must have room for at least one character after its indent.
    columns = std::max(columns, indent + 1);
    QStringList pieces;
    QString rest = line;
    QString prefix;
    while (true) {
        const int room = columns - prefix.size();
        if (rest.size() <= room) {
            pieces << prefix + rest;
            return pieces;
        }
        // The last space at which the piece still fits (index `room` is the
        // first character past it); a piece must keep a visible character.
        int cut = rest.lastIndexOf(QLatin1Char(' '), room);
        QString piece = cut > 0 ? rest.left(cut) : QString();
        while (piece.endsWith(QLatin1Char(' '))) piece.chop(1);
        if (piece.trimmed().isEmpty()) {
            piece = rest.left(room);
            cut = room;
        } else {
            ++cut;  // the space itself is dropped
        }
        pieces << prefix + piece;
        rest = rest.mid(cut);
        int lead = 0;
        while (lead < rest.size() && rest[lead] == QLatin1Char(' ')) ++lead;
        rest = rest.mid(lead);
        if (rest.isEmpty()) return pieces;
        prefix = QString(indent, QLatin1Char(' '));
    }
}

namespace {

bool isRule(const QString &trimmed) {
    if (trimmed.size() < 10) return false;
    return std::all_of(trimmed.begin(), trimmed.end(),
                       [](QChar c) { return c == QLatin1Char('-') || c == QLatin1Char('='); });
}

}  // namespace

bool isHeading(const QString &line) {
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty()) return false;
    if (isRule(trimmed)) return true;
    // A value or a table row is no heading.
    if (trimmed.contains(QLatin1Char('=')) || trimmed.contains(QLatin1Char('\t'))) return false;
    if (trimmed.endsWith(QLatin1Char(':'))) return true;
    // A title in capitals; a verdict in capitals ends with "!".
    if (trimmed.endsWith(QLatin1Char('!'))) return false;
    int letters = 0;
    for (const QChar c : trimmed) {
        if (c.isLower()) return false;
        if (c.isLetter()) ++letters;
    }
    return letters >= 3;
}

std::vector<int> keepWithNext(const QStringList &lines) {
    std::vector<int> keep(static_cast<std::size_t>(lines.size()), 0);
    for (int i = 0; i < lines.size(); ++i) {
        if (!isHeading(lines[i])) continue;
        const int limit = isRule(lines[i].trimmed()) ? 1 : headingFirstLines;
        int n = 0;
        while (n < limit && i + 1 + n < lines.size() && !lines[i + 1 + n].trimmed().isEmpty()) ++n;
        keep[static_cast<std::size_t>(i)] = n;
    }
    return keep;
}

std::vector<std::vector<int>> paginate(const std::vector<Block> &blocks, double pageHeight) {
    std::vector<std::vector<int>> pages;
    const int n = static_cast<int>(blocks.size());
    const auto block = [&blocks](int i) -> const Block & { return blocks[static_cast<std::size_t>(i)]; };
    int start = 0;
    while (start < n) {
        int first = start;
        while (first < n && block(first).space) ++first;
        if (first == n) break;
        // Fill the page; its first block is placed whatever its height.
        double y = block(first).height;
        int end = first + 1;
        while (end < n && y + block(end).height <= pageHeight) {
            y += block(end).height;
            ++end;
        }
        if (end < n) {
            // Move the break above every block that keeps a block past it,
            // unless its group would not fit on an empty page either.
            const auto groupHeight = [&](int k) {
                double h = 0.0;
                for (int j = k; j <= std::min(n - 1, k + block(k).keepWithNext); ++j) h += block(j).height;
                return h;
            };
            int breakAt = end;
            for (int k = end - 1; k >= first; --k)
                if (k + block(k).keepWithNext >= breakAt && groupHeight(k) <= pageHeight) breakAt = k;
            if (breakAt > first) end = breakAt;
        }
        std::vector<int> page;
        for (int i = first; i < end; ++i) page.push_back(i);
        pages.push_back(page);
        start = end;
    }
    if (pages.empty()) pages.emplace_back();
    return pages;
}

}  // namespace report
