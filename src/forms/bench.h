#pragma once
// What every subsystem works on: the model, the forms with their controls
// and surfaces, the command table, the printable fields and the host. The
// workbench (app/) builds one and lets each subsystem register into it.
#include "forms/commands.h"
#include "forms/fields.h"
#include "forms/form.h"
#include "forms/host.h"
#include "forms/main_controls.h"
#include "model/model.h"
#include "state/fixed_paths.h"

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <typeindex>
#include <vector>

namespace rca {

class Bench {
  public:
    // The bench does not own the host; nullptr means a NullHost. Every file
    // the bench reads or writes lies in `workdir` (empty: the current
    // directory as the bench is built), so two benches never share files.
    Bench(std::unique_ptr<MainControls> main, Host* host, std::filesystem::path workdir = {});
    virtual ~Bench();
    Bench(const Bench&) = delete;
    Bench& operator=(const Bench&) = delete;

    Model& model() { return *model_; }
    MainControls& form1() { return *main_; }
    // The main window's drawing surface.
    Canvas& canvas() { return *main_->surface(); }
    Commands& commands() { return commands_; }
    Fields& fields() { return fields_; }
    Host& host() { return *host_; }

    // The working folder, absolute; the process's current directory is never
    // used after construction.
    const std::filesystem::path& workdir() const { return workdir_; }
    // A path typed or picked by the user, against the working folder (an
    // absolute one stays as it is).
    std::filesystem::path resolve(const std::filesystem::path& p) const { return workdir_ / p; }
    // One of the fixed names ("video\\file0000.bmp"), against the working folder.
    std::filesystem::path file(std::string_view fixedName) const {
        return workdir_ / fixedPath(fixedName);
    }

    // Every form, the main window first; nullptr for an unknown name.
    const std::vector<Form*>& forms() const { return forms_; }
    Form* form(const std::string& name) const;
    // Every timer of every form, for the front ends' timer drivers.
    std::vector<Timer*> timers() const;

    // Adds an auxiliary form; the bench owns it.
    template <class F> F& addForm(std::unique_ptr<F> form) {
        F& ref = *form;
        adoptForm(std::move(form));
        return ref;
    }

    // Runs a command by name; an unknown name throws UnknownCommand.
    void run(const std::string& command) { commands_.run(command); }
    // Runs the form's FormShow (when it has one), then asks the host to show it.
    void open(Form& form);

    // A notice for the user (a file that could not be opened, say).
    void report(const std::string& text) { host_->message(text); }

    // Mouse events over a form's surface, by form name ("TForm1"). A point
    // outside what a window system reports throws MouseRangeError.
    void mouse(const std::string& form, const MouseEvent& e);

    // Start-up steps that other windows own run at their place in FormShow.
    void atStartupStep(int step, Handler fn);
    void runStartupStep(int step) const;

    // State owned by one subsystem: one instance per bench, made on first use.
    template <class S> S& state() {
        auto& slot = states_[std::type_index(typeid(S))];
        if (!slot)
            slot = std::shared_ptr<void>(new S(), [](void* p) { delete static_cast<S*>(p); });
        return *static_cast<S*>(slot.get());
    }

  private:
    void adoptForm(std::unique_ptr<Form> form);

    std::unique_ptr<Model> model_;
    std::unique_ptr<MainControls> main_;
    std::vector<std::unique_ptr<Form>> extraForms_;
    std::vector<Form*> forms_;
    Commands commands_;
    Fields fields_;
    std::unique_ptr<Host> ownHost_;
    Host* host_;
    std::filesystem::path workdir_;
    std::multimap<int, Handler> startupSteps_;
    std::map<std::type_index, std::shared_ptr<void>> states_;
};

} // namespace rca
