#include "platform/controls.h"

#include <algorithm>

#include "platform/draw.h"
#include "platform/events.h"

namespace tb {

Control::Control(std::string n, Rect b)
    : name(std::move(n)), left(b.x), top(b.y), width(b.w), height(b.h) {}

void Control::setBounds(Rect r) {
    left = r.x;
    top = r.y;
    width = r.w;
    height = r.h;
}

void Image::paint(Bitmap& dst, int x, int y, TextPainter&) const {
    if (!picture) return;
    if (stretch)
        picture->stretchDraw(dst, {x, y, width, height});
    else
        picture->draw(dst, x, y);
}

std::vector<std::string> Label::lines(TextPainter& tp) const {
    if (!wordWrap) return {caption};
    std::vector<std::string> out;
    std::string line;
    size_t i = 0;
    while (i < caption.size()) {
        size_t end = caption.find(' ', i);
        if (end == std::string::npos) end = caption.size();
        const std::string word = caption.substr(i, end - i);
        const std::string longer = line.empty() ? word : line + ' ' + word;
        if (!line.empty() && tp.textWidth(font, longer) > width) {
            out.push_back(line);
            line = word;
        } else {
            line = longer;
        }
        i = end + 1;
    }
    out.push_back(line);
    return out;
}

void Label::paint(Bitmap& dst, int x, int y, TextPainter& tp) const {
    if (brush) fillRect(dst, {x, y, width, height}, *brush);
    const int lineHeight = tp.textHeight(font);
    int row = y;
    for (const std::string& line : lines(tp)) {
        const int w = tp.textWidth(font, line);
        int lx = x;
        if (alignment == Alignment::Center) lx = TextPainter::centredLeft(x, width, w);
        if (alignment == Alignment::Right) lx = x + width - w;
        tp.textOut(dst, lx, row, font, line);
        row += lineHeight;
    }
}

void Edit::keyPress(char key) {
    const auto c = static_cast<unsigned char>(key);
    if (c == 8) {
        if (text.empty()) return;
        text.pop_back();
    } else if (c >= 32 && c != 127) {
        if (maxLength > 0 && static_cast<int>(text.size()) >= maxLength) return;
        text.push_back(key);
    } else {
        return;
    }
    if (onChange) onChange(*this);
}

void Edit::paint(Bitmap& dst, int x, int y, TextPainter& tp) const {
    fillRect(dst, {x, y, width, height}, Rgb{96, 96, 96});
    // The text is drawn in its own picture so that a long one stays inside the box.
    Bitmap inner(width - 2, height - 2);
    fill(inner, color);
    const int th = tp.textHeight(font);
    const int ty = (inner.height() - th) / 2;
    const int w = tp.textWidth(font, text);
    // Keep the end of a long text and the caret in view.
    const int tx = 3 + std::min(0, inner.width() - 8 - w);
    tp.textOut(inner, tx, ty, font, text);
    if (focused) fillRect(inner, {tx + w + 1, ty + 2, 1, th - 4}, font.color);
    copyOpaque(dst, x + 1, y + 1, inner);
}

void ListBox::select(int i) {
    if (items.empty()) {
        itemIndex = -1;
        return;
    }
    itemIndex = std::clamp(i, 0, static_cast<int>(items.size()) - 1);
    if (itemIndex < topIndex) scrollTo(itemIndex);
    if (itemIndex >= topIndex + visibleRows()) scrollTo(itemIndex - visibleRows() + 1);
}

void ListBox::scrollTo(int top) {
    const int last = std::max(0, static_cast<int>(items.size()) - visibleRows());
    topIndex = std::clamp(top, 0, last);
}

void ListBox::pressed(int, int y) {
    if (itemHeight <= 0) return;
    const int i = topIndex + y / itemHeight;
    if (i < static_cast<int>(items.size())) select(i);
}

void ListBox::keyDown(int key) {
    const int page = std::max(1, visibleRows() - 1);
    switch (key) {
        case kKeyUp:
            select(itemIndex - 1);
            break;
        case kKeyDown:
            select(itemIndex + 1);
            break;
        case kKeyPageUp:
            select(itemIndex - page);
            break;
        case kKeyPageDown:
            select(itemIndex + page);
            break;
        case kKeyHome:
            select(0);
            break;
        case kKeyEnd:
            select(static_cast<int>(items.size()) - 1);
            break;
        default:
            break;
    }
}

void ListBox::wheel(int notches) {
    scrollTo(topIndex - 3 * notches);
}

void ListBox::paint(Bitmap& dst, int x, int y, TextPainter& tp) const {
    Bitmap box(width, height);
    fill(box, color);
    const int th = tp.textHeight(font);
    for (int r = 0; r < visibleRows(); ++r) {
        const int i = topIndex + r;
        if (i >= static_cast<int>(items.size())) break;
        const int ry = r * itemHeight;
        if (i == itemIndex) fillRect(box, {0, ry, width, itemHeight}, selectedColor);
        const std::string& item = items[static_cast<size_t>(i)];
        const int ty = ry + (itemHeight - th) / 2;
        if (tabStops.empty()) {
            tp.textOut(box, 2, ty, font, item);
            continue;
        }
        size_t a = 0;
        for (size_t k = 0; a <= item.size(); ++k) {
            const size_t b = std::min(item.find('\t', a), item.size());
            const int left = k < tabStops.size() ? tabStops[k] : width;
            const int right = k + 1 < tabStops.size() ? tabStops[k + 1] - 6 : width - 8;
            std::string text = item.substr(a, b - a);
            // "…" is 0x85 in code page 1250.
            while (!text.empty() && left + 2 + tp.textWidth(font, text) > right)
                text = text.size() <= 1
                           ? std::string()
                           : text.substr(0, text.size() - (text.back() == '\x85' ? 2 : 1)) + '\x85';
            if (!text.empty() && text != "\x85") tp.textOut(box, left + 2, ty, font, text);
            a = b + 1;
        }
    }
    // Where the visible lines lie in the whole list: a thin bar at the right.
    const int n = static_cast<int>(items.size()), rows = visibleRows();
    if (n > rows && rows > 0) {
        fillRect(box, {width - 6, 0, 6, height}, Rgb{40, 40, 40});
        fillRect(box, {width - 6, height * topIndex / n, 6, std::max(8, height * rows / n)},
                 Rgb{196, 160, 84});
    }
    copyOpaque(dst, x, y, box);
}

}  // namespace tb
