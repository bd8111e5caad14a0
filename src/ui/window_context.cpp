#include "ui/window_context.h"

WindowContext::WindowContext(const CrawlerEndpoints& endpoints)
    : problems(workspace.cases(), endpoints) {
    QObject::connect(&store, &WorkspaceStore::everythingReset, &problems, &ProblemSession::forget);
}
