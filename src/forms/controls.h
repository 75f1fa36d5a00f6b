#pragma once
// Headless controls. Each carries the event conventions of the workbench:
// setting a check box, radio group or edit text from code runs its handler
// only when the value changes; an up-down position or a menu check mark set
// from code runs none; a user action runs the handler.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace rca {

class Form;
using Handler = std::function<void()>;

struct Geometry {
    int x = 0, y = 0, w = 0, h = 0;
};

class Control {
  public:
    enum class Kind {
        Edit,
        CheckBox,
        RadioGroup,
        UpDown,
        Label,
        Button,
        MenuItem,
        GroupBox,
        StatusBar,
        Timer,
        Panel,
        Chart
    };

    Control(Kind kind, std::string name, std::string caption);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Kind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    // The form that holds the control; set when the form adds it.
    Form* form() const { return form_; }
    void setForm(Form* f) { form_ = f; }

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& text);

    bool visible() const { return visible_; }
    void setVisible(bool v);
    bool enabled() const { return enabled_; }
    void setEnabled(bool e);

    // Where the control sits: the name of its group box ("" for the form
    // itself) and its box relative to that parent, in pixels.
    const std::string& parent() const { return parent_; }
    const Geometry& geometry() const { return geometry_; }
    Control& place(const std::string& parent, Geometry g);

    // Observers hear every change of state, whatever its source.
    int observe(Handler fn);
    void unobserve(int id);

  protected:
    void changed();
    // Stores a new value and tells the observers; false when nothing changed.
    template <class T> bool update(T& field, const T& value) {
        if (field == value) return false;
        field = value;
        changed();
        return true;
    }

  private:
    Kind kind_;
    Form* form_ = nullptr;
    std::string name_;
    std::string caption_;
    std::string parent_;
    Geometry geometry_;
    bool visible_ = true;
    bool enabled_ = true;
    std::vector<std::pair<int, Handler>> observers_;
    int nextObserver_ = 1;
};

// The layout line of a form's constructor: the control at (x, y), w x h,
// inside the group box `parent` ("" for the form itself).
inline Control& at(Control& c, const std::string& parent, int x, int y, int w, int h) {
    return c.place(parent, {x, y, w, h});
}

class Edit : public Control {
  public:
    Edit(std::string name, std::string text);
    const std::string& text() const { return text_; }
    // From code: the change handler runs when the text differs.
    void setText(const std::string& text);
    // The user types a new text: same event as from code.
    void userType(const std::string& text) { setText(text); }
    Handler onChange;

  private:
    std::string text_;
};

class CheckBox : public Control {
  public:
    CheckBox(std::string name, std::string caption, bool checked = false);
    bool checked() const { return checked_; }
    void setChecked(bool c);
    // A click toggles the box and runs the handler; a disabled box ignores it.
    void userClick();
    Handler onClick;

  private:
    bool checked_;
};

class RadioGroup : public Control {
  public:
    RadioGroup(std::string name, std::string caption, std::vector<std::string> items);
    const std::vector<std::string>& items() const { return items_; }
    int itemIndex() const { return index_; }
    void setItemIndex(int i);
    void userSelect(int i);
    Handler onClick;

  private:
    std::vector<std::string> items_;
    int index_ = -1;
};

class UpDown : public Control {
  public:
    UpDown(std::string name, int min, int max, int position, int increment = 1);
    int position() const { return position_; }
    int min() const { return min_; }
    int max() const { return max_; }
    int increment() const { return increment_; }
    // From code: no handler runs. The position is kept inside min..max.
    void setPosition(int p);
    // The user presses the up or down arrow: move by the increment, then the handler.
    void userClick(bool up);
    Handler onClick;

  private:
    int min_, max_, position_, increment_;
};

class Label : public Control {
  public:
    Label(std::string name, std::string caption);
    // In points; 0 is the window's own font size.
    int fontSize() const { return fontSize_; }
    void setFontSize(int points) { fontSize_ = points; }

  private:
    int fontSize_ = 0;
};

class Button : public Control {
  public:
    Button(std::string name, std::string caption);
    // A user click; a disabled or hidden-and-unwired button does nothing.
    void userClick();
    Handler onClick;
};

class MenuItem : public Control {
  public:
    // `menu` is the title of the top-level menu holding the item.
    MenuItem(std::string name, std::string caption, std::string menu, bool checkable = false);
    const std::string& menu() const { return menu_; }
    // The item whose submenu holds this one; empty for an item of the menu.
    const std::string& parentItem() const { return parent_; }
    void setParentItem(std::string item) { parent_ = std::move(item); }
    bool checkable() const { return checkable_; }
    bool checked() const { return checked_; }
    // From code: no handler runs.
    void setChecked(bool c);
    void toggle() { setChecked(!checked_); }
    void userClick();
    Handler onClick;

  private:
    std::string menu_;
    std::string parent_;
    bool checkable_;
    bool checked_ = false;
};

class GroupBox : public Control {
  public:
    GroupBox(std::string name, std::string caption, uint32_t color);
    uint32_t color() const { return color_; }
    void setColor(uint32_t c);

  private:
    uint32_t color_;
};

// A coloured box that shows and hides.
class Panel : public Control {
  public:
    Panel(std::string name, std::string caption, uint32_t color);
    uint32_t color() const { return color_; }
    void setColor(uint32_t c);

  private:
    uint32_t color_;
};

struct ChartPoint {
    double x = 0, y = 0;
    std::string label;
    uint32_t color = 0;
};

struct ChartSeries {
    enum class Style { Point, Bar, Line };
    std::string title;
    Style style = Style::Point;
    uint32_t color = 0;
    std::vector<ChartPoint> points;
};

// A simple chart: point, bar or line series that are cleared and filled
// point by point.
class Chart : public Control {
  public:
    Chart(std::string name, std::string caption, std::vector<ChartSeries> series);
    const std::vector<ChartSeries>& series() const { return series_; }
    // Out-of-range series indices are ignored.
    void clear(int series);
    void addPoint(int series, double x, double y, const std::string& label, uint32_t color);
    // Every series, one line each: "title: x,y x,y ...".
    std::string describe() const;

  private:
    std::vector<ChartSeries> series_;
};

class StatusBar : public Control {
  public:
    explicit StatusBar(std::string name);
    const std::string& text() const { return caption(); }
    void setText(const std::string& t) { setCaption(t); }
};

class Timer : public Control {
  public:
    Timer(std::string name, int interval);
    bool isEnabled() const { return enabled(); }
    int interval() const { return interval_; }
    void setInterval(int ms);
    // An interval of 0 never ticks.
    bool ticks() const { return enabled() && interval_ > 0; }
    void fire();
    Handler onTimer;

  private:
    int interval_;
};

} // namespace rca
