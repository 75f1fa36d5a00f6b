#pragma once
// A form is a window: its controls by component name, an optional drawing
// surface of its own, its mouse handler and a way to close it.
#include "forms/canvas.h"
#include "forms/controls.h"

#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

// Declares a control once: the member and its component name in one line.
#define RCA_CONTROL(Type, Name, ...) Type& Name = add<Type>(#Name __VA_OPT__(, ) __VA_ARGS__)

namespace rca {

enum class MouseButton { Left, Right, Middle };

struct MouseEvent {
    enum class Kind { Down, Up, Move };
    Kind kind = Kind::Down;
    int x = 0, y = 0;
    MouseButton button = MouseButton::Left;
};

// The coordinates a window system reports (16-bit on X11). A point from a
// script outside them is refused, so no handler's pixel arithmetic meets a
// value no mouse can give.
constexpr int mouseLowest = -32768, mouseHighest = 32767;

struct MouseRangeError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Form {
  public:
    Form(std::string name, std::string caption, int width, int height);
    virtual ~Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return name_; }
    const std::string& caption() const { return caption_; }
    int width() const { return width_; }
    int height() const { return height_; }

    // nullptr when the form has no control of that name.
    Control* find(const std::string& name) const;
    template <class T> T* findAs(const std::string& name) const {
        return dynamic_cast<T*>(find(name));
    }
    // Controls in the order they were added (the GUI builds them in this order).
    const std::vector<Control*>& controls() const { return order_; }

    // Adds a control; a name the form already has throws std::logic_error.
    // Subsystems use it for the items they put into another form's menu.
    template <class T, class... Args> T& add(Args&&... args) {
        auto owned = std::make_unique<T>(std::forward<Args>(args)...);
        T& ref = *owned;
        adopt(std::move(owned));
        return ref;
    }

    // The form's own drawing surface, nullptr when it has none.
    Canvas* surface() const { return surface_.get(); }
    Canvas& makeSurface(int width, int height);

    // Mouse events over the surface.
    std::function<void(const MouseEvent&)> onMouse;
    void mouse(const MouseEvent& e) const {
        if (onMouse) onMouse(e);
    }

    // Closing asks the front end that shows the form to close it; headless
    // it only clears `isShowing`.
    bool isShowing() const { return showing_; }
    void setShowing(bool s) { showing_ = s; }
    void close();
    std::function<void()> onClose;

  private:
    void adopt(std::unique_ptr<Control> control);

    std::string name_;
    std::string caption_;
    int width_, height_;
    std::map<std::string, std::unique_ptr<Control>> byName_;
    std::vector<Control*> order_;
    std::unique_ptr<Canvas> surface_;
    bool showing_ = false;
};

} // namespace rca
