#pragma once
// The whole program without a screen: model, forms, canvas, commands.
#include "app/commands.h"
#include "app/fields.h"
#include "app/host.h"
#include "app/tform1.h"
#include "engine/model.h"
#include "view/canvas.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace rca {

enum class MouseButton { Left, Right, Middle };

struct MouseEvent {
    enum class Kind { Down, Up, Move };
    Kind kind = Kind::Down;
    int x = 0, y = 0;
    MouseButton button = MouseButton::Left;
};

class Workbench {
  public:
    // The workbench does not own the host; nullptr means a NullHost.
    explicit Workbench(Host* host = nullptr);
    ~Workbench();
    Workbench(const Workbench&) = delete;
    Workbench& operator=(const Workbench&) = delete;

    Model& model() { return *model_; }
    TForm1& form1() { return *form1_; }
    Canvas& canvas() { return canvas_; }
    Commands& commands() { return commands_; }
    Fields& fields() { return fields_; }
    Host& host() { return *host_; }

    // Every form, the main window first; nullptr for an unknown name.
    const std::vector<Form*>& forms() const { return forms_; }
    Form* form(const std::string& name) const;
    // Every timer of every form, for the front ends' timer drivers.
    std::vector<Timer*> timers() const;

    // Runs a command by name; a command that does not exist does nothing.
    void run(const std::string& command) { commands_.run(command); }
    // The show handler of the main window, when it exists.
    void startUp() { run("FormShow"); }

    // The status bar shows the step counter.
    void showStepTime() { form1_->StatusBar1.setText(std::to_string(model_->stepTime)); }

    // A notice for the user (a file that could not be opened, say).
    void report(const std::string& text) { host_->message(text); }

    // Step 8 of every step: has the trial ended? Set by the trial check.
    std::function<bool()> trialCheck;

    // Mouse events over a form's drawing area, by form name ("TForm1").
    std::map<std::string, std::function<void(const MouseEvent&)>> mouseHandlers;
    void mouse(const std::string& form, const MouseEvent& e) {
        auto it = mouseHandlers.find(form);
        if (it != mouseHandlers.end() && it->second) it->second(e);
    }

    // Adds a form built by a subsystem (auxiliary windows).
    void addForm(std::unique_ptr<Form> form);

  private:
    std::unique_ptr<Model> model_;
    std::unique_ptr<TForm1> form1_;
    std::vector<std::unique_ptr<Form>> extraForms_;
    std::vector<Form*> forms_;
    Canvas canvas_;
    Commands commands_;
    Fields fields_;
    std::unique_ptr<Host> ownHost_;
    Host* host_;
};

} // namespace rca
