// The suites whose calls the host does not offer yet: each exists under its name and version,
// so modules acquire them, and each call answers kSPUnimplementedError (or a zeroed value).
#include "AIArtStyle.h"
#include "AIDocumentView.h"
#include "AIHitTest.h"
#include "AIMesh.h"
#include "AISymbol.h"
#include "all_suites.h"
#include "pica/suite_entry.h"
#include "pica/suite_registry.h"

namespace qv::host {

namespace {

const AIDocumentViewSuite kAIDocumentViewPending = {
    .GetDocumentViewZoom =
        QV_PENDING(kAIDocumentViewSuite, AIDocumentViewSuite, GetDocumentViewZoom),
};

const AISymbolSuite kAISymbolPending = {
    .CountSymbolPatterns = QV_PENDING(kAISymbolSuite, AISymbolSuite, CountSymbolPatterns),
};

const AIMeshSuite kAIMeshPending = {
    .GetSize = QV_PENDING(kAIMeshSuite, AIMeshSuite, GetSize),
};

const AIMeshVertexSuite kAIMeshVertexPending = {
    .CountSegments = QV_PENDING(kAIMeshVertexSuite, AIMeshVertexSuite, CountSegments),
};

const AIHitTestSuite kAIHitTestPending = {
    .HitTest = QV_PENDING(kAIHitTestSuite, AIHitTestSuite, HitTest),
};

const AIArtStyleSuite kAIArtStylePending = {
    .GetArtStyle = QV_PENDING(kAIArtStyleSuite, AIArtStyleSuite, GetArtStyle),
};


}  // namespace

void registerPendingSuites(SuiteRegistry& registry) {
  registry.add(kAIDocumentViewSuite, kAIDocumentViewSuiteVersion, &kAIDocumentViewPending);
  registry.add(kAISymbolSuite, kAISymbolSuiteVersion, &kAISymbolPending);
  registry.add(kAIMeshSuite, kAIMeshSuiteVersion, &kAIMeshPending);
  registry.add(kAIMeshVertexSuite, kAIMeshVertexSuiteVersion, &kAIMeshVertexPending);
  registry.add(kAIHitTestSuite, kAIHitTestSuiteVersion, &kAIHitTestPending);
  registry.add(kAIArtStyleSuite, kAIArtStyleSuiteVersion, &kAIArtStylePending);
}

}  // namespace qv::host
