#include "forms/controls.h"

#include <algorithm>
#include <sstream>

namespace rca {

Control::Control(Kind kind, std::string name, std::string caption)
    : kind_(kind), name_(std::move(name)), caption_(std::move(caption)) {}

void Control::setCaption(const std::string& text) {
    if (!update(caption_, text)) return;
}

void Control::setVisible(bool v) {
    if (!update(visible_, v)) return;
}

void Control::setEnabled(bool e) {
    if (!update(enabled_, e)) return;
}

Control& Control::place(const std::string& parent, Geometry g) {
    parent_ = parent;
    geometry_ = g;
    return *this;
}

int Control::observe(Handler fn) {
    observers_.emplace_back(nextObserver_, std::move(fn));
    return nextObserver_++;
}

void Control::unobserve(int id) {
    std::erase_if(observers_, [id](const auto& o) { return o.first == id; });
}

void Control::changed() {
    // Copy: an observer may add or remove observers while we notify.
    auto list = observers_;
    for (auto& o : list)
        o.second();
}

static void run(const Handler& h) {
    if (h) h();
}

Edit::Edit(std::string name, std::string text)
    : Control(Kind::Edit, name, ""), text_(std::move(text)) {}

void Edit::setText(const std::string& text) {
    if (!update(text_, text)) return;
    run(onChange);
}

CheckBox::CheckBox(std::string name, std::string caption, bool checked)
    : Control(Kind::CheckBox, std::move(name), std::move(caption)), checked_(checked) {}

void CheckBox::setChecked(bool c) {
    if (!update(checked_, c)) return;
    run(onClick);
}

void CheckBox::userClick() {
    if (!enabled()) return;
    setChecked(!checked_);
}

RadioGroup::RadioGroup(std::string name, std::string caption, std::vector<std::string> items)
    : Control(Kind::RadioGroup, std::move(name), std::move(caption)), items_(std::move(items)) {}

void RadioGroup::setItemIndex(int i) {
    if (i < -1 || i >= static_cast<int>(items_.size())) i = -1;
    if (!update(index_, i)) return;
    run(onClick);
}

void RadioGroup::userSelect(int i) {
    if (!enabled()) return;
    setItemIndex(i);
}

UpDown::UpDown(std::string name, int min, int max, int position, int increment)
    : Control(Kind::UpDown, std::move(name), ""), min_(min), max_(max),
      position_(std::clamp(position, min, max)), increment_(increment) {}

void UpDown::setPosition(int p) {
    p = std::clamp(p, min_, max_);
    if (!update(position_, p)) return;
}

void UpDown::userClick(bool up) {
    if (!enabled()) return;
    setPosition(position_ + (up ? increment_ : -increment_));
    run(onClick);
}

Label::Label(std::string name, std::string caption)
    : Control(Kind::Label, std::move(name), std::move(caption)) {}

Button::Button(std::string name, std::string caption)
    : Control(Kind::Button, std::move(name), std::move(caption)) {}

void Button::userClick() {
    if (!enabled()) return;
    run(onClick);
}

MenuItem::MenuItem(std::string name, std::string caption, std::string menu, bool checkable)
    : Control(Kind::MenuItem, std::move(name), std::move(caption)), menu_(std::move(menu)),
      checkable_(checkable) {}

void MenuItem::setChecked(bool c) {
    if (!update(checked_, c)) return;
}

void MenuItem::userClick() {
    if (!enabled()) return;
    run(onClick);
}

GroupBox::GroupBox(std::string name, std::string caption, uint32_t color)
    : Control(Kind::GroupBox, std::move(name), std::move(caption)), color_(color) {}

void GroupBox::setColor(uint32_t c) {
    if (!update(color_, c)) return;
}

Panel::Panel(std::string name, std::string caption, uint32_t color)
    : Control(Kind::Panel, std::move(name), std::move(caption)), color_(color) {}

void Panel::setColor(uint32_t c) {
    if (!update(color_, c)) return;
}

Chart::Chart(std::string name, std::string caption, std::vector<ChartSeries> series)
    : Control(Kind::Chart, std::move(name), std::move(caption)), series_(std::move(series)) {}

void Chart::clear(int series) {
    if (series < 0 || series >= static_cast<int>(series_.size())) return;
    series_[series].points.clear();
    changed();
}

void Chart::addPoint(int series, double x, double y, const std::string& label, uint32_t color) {
    if (series < 0 || series >= static_cast<int>(series_.size())) return;
    series_[series].points.push_back({x, y, label, color});
    changed();
}

std::string Chart::describe() const {
    std::ostringstream out;
    for (size_t k = 0; k < series_.size(); ++k) {
        if (k) out << '\n';
        out << series_[k].title << ':';
        for (const ChartPoint& p : series_[k].points)
            out << ' ' << p.x << ',' << p.y;
    }
    return out.str();
}

StatusBar::StatusBar(std::string name) : Control(Kind::StatusBar, std::move(name), "") {}

Timer::Timer(std::string name, int interval)
    : Control(Kind::Timer, std::move(name), ""), interval_(interval) {
    setEnabled(false);
}

void Timer::setInterval(int ms) {
    if (!update(interval_, ms)) return;
}

void Timer::fire() {
    if (ticks()) run(onTimer);
}

} // namespace rca
