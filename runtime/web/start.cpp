// SPDX-License-Identifier: MIT
#include "runtime/start.h"

#include "runtime/dialogs.h"
#include "runtime/handlers.h"
#include "runtime/randomstream.h"
#include "runtime/web/page.h"
#include "runtime/web/webfrontend.h"

#include <memory>

namespace runtime {

namespace {

// Everything of a run, which outlives main(): the page goes on after it,
// and its events call in.
struct Run
{
    explicit Run(const ProjectDescription &project)
        : dialogs(frontEnd, project.programName), form(project.makeStartupForm(services))
    {}

    web::WebFrontEnd frontEnd{[] {
        end();
    }};
    Dialogs dialogs;
    SeededStream random{SeededStream::entropySeed()};
    Services services{frontEnd, dialogs, random};
    std::unique_ptr<Form> form;
    // After the form: a start-up still waiting goes first.
    Handlers startUp;

    static std::unique_ptr<Run> &current()
    {
        static std::unique_ptr<Run> run;
        return run;
    }
    // Nothing of the game is left running in the page.
    static void end()
    {
        current().reset();
        zapgrid_end();
    }
};

} // namespace

int start(int &, char **, const ProjectDescription &project)
{
    Run::current() = std::make_unique<Run>(project);
    Run::current()->startUp.run(Run::current()->form->Show());
    return 0;
}

} // namespace runtime
