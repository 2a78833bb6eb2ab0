#include "phone_layout.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <vector>

using namespace PanelDesign;

namespace {

// Fields further apart than this stand in blocks side by side.
constexpr int blockGap = 1500;
// Controls whose middles or tops lie closer than this share a row of the design.
constexpr int rowGap = 150;
// An item number ("1.") is no wider than this.
constexpr int numberWidth = 150;
// The narrow style's text is 16 px where the window's is 11.
constexpr double narrowScale = 16.0 / 11.0;

std::optional<c3f8::field> fieldOf(const Control &c)
{
    if (c.field)
        return c.field;
    return c.names ? c.names : c.unitOf;
}

int middle(const Control &c)
{
    return c.box.top + c.box.height / 2;
}

// Controls share a row of the design where their middles or their tops lie close: a label
// beside a taller field, an item number beside a heading of two lines.
bool sameRow(const Control &a, const Control &b)
{
    return std::abs(middle(a) - middle(b)) <= rowGap || std::abs(a.box.top - b.box.top) <= rowGap;
}

// Where the field a control belongs to stands (the field itself, or the field it names or
// gives the unit of); none for a control of no field.
std::optional<int> fieldLeft(const Control &c, const std::vector<const Control *> &frame)
{
    const auto f = fieldOf(c);
    if (!f)
        return std::nullopt;
    const auto owner = std::ranges::find_if(frame, [&](const Control *o) { return o->field == f; });
    return owner == frame.end() ? std::nullopt : std::optional((*owner)->box.left);
}

struct Placed
{
    const Control *control;
    int block = 0;
};

// The blocks of one frame: runs of field lefts without a gap wider than blockGap, each starting
// at the leftmost control of its fields' lines.
std::vector<int> blockStarts(const std::vector<const Control *> &frame)
{
    std::vector<int> lefts;
    for (const Control *c : frame) {
        if (c->field)
            lefts.push_back(c->box.left);
    }
    std::ranges::sort(lefts);
    std::vector<std::pair<int, int>> runs; // first and last field left of each block
    for (int left : lefts) {
        if (runs.empty() || left - runs.back().second > blockGap)
            runs.push_back({left, left});
        else
            runs.back().second = left;
    }
    std::vector<int> starts;
    for (const auto &[first, last] : runs) {
        int start = first;
        for (const Control *c : frame) {
            const auto left = fieldLeft(*c, frame);
            if (left && *left >= first && *left <= last)
                start = std::min(start, c->box.left);
        }
        starts.push_back(start);
    }
    return starts;
}

int blockOf(const Control &c, const std::vector<const Control *> &frame,
            const std::vector<int> &starts)
{
    // A field's labels go with it; anything else with the block its middle lies in.
    const int x = fieldLeft(c, frame).value_or(c.box.left + c.box.width / 2);
    int block = 0;
    for (std::size_t b = 0; b < starts.size(); ++b) {
        if (starts[b] <= x)
            block = static_cast<int>(b);
    }
    return block;
}

std::string rule(const Control &c, int row, const std::string &column, double indent = 0)
{
    std::string css = "#";
    css.append(c.objectName()).append("{grid-row:").append(std::to_string(row));
    css.append(";grid-column:").append(column);
    if (indent > 0)
        css.append(";margin-left:").append(std::to_string(std::lround(indent))).append("px");
    return css.append("}\n");
}

// The rules of one line of a frame's grid.
std::string lineRules(const std::vector<const Control *> &line, int row)
{
    const bool hasField =
        std::ranges::any_of(line, [](const Control *c) { return c->field.has_value(); });
    std::string css;
    std::vector<const Control *> others;
    const Control *firstName = nullptr;
    for (const Control *c : line) {
        if (c->field)
            css += rule(*c, row, "field");
        else if (c->unitOf)
            css += rule(*c, row, "unit");
        else if (c->names && !firstName) {
            firstName = c;
            css += rule(*c, row, "name");
        } else if (c->names) // the second part of a name ("D" then "Hg"), where it stands
            css += rule(*c, row, "name", pixels(c->box.left - firstName->box.left) * narrowScale);
        else if (c->kind == Kind::Label && c->box.width <= numberWidth)
            css += rule(*c, row, "num");
        else
            others.push_back(c);
    }
    // The rest share what the line leaves, the last to the line's end.
    static const char *const spans[] = {"name", "field", "unit"};
    for (std::size_t i = 0; i < others.size(); ++i) {
        const bool last = i + 1 == others.size();
        const std::string from = hasField ? "unit" : spans[std::min<std::size_t>(i, 2)];
        css += rule(*others[i], row, last ? from + "/-1" : from);
    }
    return css;
}

} // namespace

std::string phoneRules(std::span<const Control> controls)
{
    std::map<Frame, std::vector<const Control *>> frames;
    for (const Control &c : controls) {
        if (c.kind != Kind::Frame && c.kind != Kind::Line && c.parent != Frame::Window)
            frames[c.parent].push_back(&c);
    }
    std::string css;
    for (auto &[frame, members] : frames) {
        const std::vector<int> starts = blockStarts(members);
        std::vector<Placed> placed;
        for (const Control *c : members)
            placed.push_back({c, blockOf(*c, members, starts)});
        // Reading order: block, then the design's rows, then left to right.
        std::ranges::stable_sort(placed, [](const Placed &a, const Placed &b) {
            if (a.block != b.block)
                return a.block < b.block;
            return middle(*a.control) < middle(*b.control);
        });
        int row = 1; // the frame's caption stands above the grid, in its border
        for (std::size_t i = 0; i < placed.size();) {
            std::size_t end = i + 1;
            while (end < placed.size() && placed[end].block == placed[i].block &&
                   sameRow(*placed[i].control, *placed[end].control))
                ++end;
            std::vector<const Control *> designRow;
            for (std::size_t k = i; k < end; ++k)
                designRow.push_back(placed[k].control);
            std::ranges::sort(designRow, {}, [](const Control *c) { return c->box.left; });
            // A second field in a row begins a line of its own, with the labels that follow.
            std::vector<const Control *> line;
            std::optional<c3f8::field> lineField;
            for (const Control *c : designRow) {
                const auto f = fieldOf(*c);
                if (f && lineField && f != lineField) {
                    css += lineRules(line, row++);
                    line.clear();
                }
                if (f)
                    lineField = f;
                line.push_back(c);
            }
            css += lineRules(line, row++);
            i = end;
        }
    }
    return css;
}
