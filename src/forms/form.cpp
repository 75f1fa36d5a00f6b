#include "forms/form.h"

#include <stdexcept>

namespace rca {

Form::Form(std::string name, std::string caption, int width, int height)
    : name_(std::move(name)), caption_(std::move(caption)), width_(width), height_(height) {}

Control* Form::find(const std::string& name) const {
    auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : it->second.get();
}

void Form::adopt(std::unique_ptr<Control> control) {
    const std::string name = control->name();
    if (byName_.count(name)) throw std::logic_error(name_ + " has two controls named " + name);
    control->setForm(this);
    order_.push_back(control.get());
    byName_[name] = std::move(control);
}

Canvas& Form::makeSurface(int width, int height) {
    surface_ = std::make_unique<Canvas>(width, height);
    return *surface_;
}

void Form::close() {
    showing_ = false;
    if (onClose) onClose();
}

} // namespace rca
