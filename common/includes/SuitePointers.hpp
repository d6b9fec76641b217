// The process-wide suite pointers of a module. The five basic ones are defined by the
// framework; each module defines the pointers of its own table (a module that does not list a
// suite does not define its pointer and must not use it).
#ifndef QV_SUITEPOINTERS_HPP
#define QV_SUITEPOINTERS_HPP

#include "ADMBasic.h"
#include "ADMDialog.h"
#include "ADMEntry.h"
#include "ADMIcon.h"
#include "ADMItem.h"
#include "ADMList.h"
#include "ADMTracker.h"
#include "AIArt.h"
#include "AIArtStyle.h"
#include "AIBlendStyle.h"
#include "AIContext.h"
#include "AIDocument.h"
#include "AIDocumentView.h"
#include "AIEnvelope.h"
#include "AIHitTest.h"
#include "AILayer.h"
#include "AIMatchingArt.h"
#include "AIMenu.h"
#include "AIMesh.h"
#include "AINotifier.h"
#include "AIPath.h"
#include "AIPathStyle.h"
#include "AIPlugin.h"
#include "AIRandom.h"
#include "AIRealMath.h"
#include "AIShapeConstruction.h"
#include "AISwatchList.h"
#include "AISymbol.h"
#include "AITag.h"
#include "AITool.h"
#include "AITransformArt.h"
#include "AIUndo.h"
#include "AIUnicodeString.h"
#include "HostMemory.hpp"
#include "SPAccess.h"
#include "SPBlocks.h"
#include "SPPlugins.h"

// Basic suites (framework).
extern const SPAccessSuite* sSPAccess;
extern const SPPluginsSuite* sSPPlugins;
extern const AINotifierSuite* sAINotifier;
extern const AIAppContextSuite* sAIAppContext;
extern const ADMBasicSuite* sADMBasic;

// Module tables.
extern const AIMenuSuite* sAIMenu;
extern const AIToolSuite* sAITool;
extern const AIToolSuite* sTool;
extern const AIUnicodeStringSuite* sAIUnicodeString;
extern const AIPluginSuite* sAIPlugin;
extern const SPBlocksSuite* sSPBlocks;
extern const AIUndoSuite* sAIUndo;
extern const AIArtSuite* sAIArt;
extern const AISwatchListSuite* sAISwatchList;
extern const AIRealMathSuite* sAIRealMath;
extern const AIPathSuite* sAIPath;
extern const AIMatchingArtSuite* sAIMatchingArt;
extern const AIPathStyleSuite* sAIPathStyle;
extern const AIDocumentSuite* sAIDocument;
extern const AILayerSuite* sAILayer;
extern const AIMdMemorySuite* sAIMdMemory;
extern const AIDocumentViewSuite* sAIDocumentView;
extern const AIShapeConstructionSuite* sAIShapeConstruction;
extern const AITagSuite* sAITag;
extern const AIBlendStyleSuite* sAIBlendStyle;
extern const AISymbolSuite* sAISymbol;
extern const AIMeshSuite* sAIMesh;
extern const AIMeshVertexSuite* sAIMeshVertexIterator;
extern const AIHitTestSuite* sAIHitTest;
extern const AIRandomSuite* sAIRandom;
extern const AITransformArtSuite* sAITransformArt;
extern const AIArtStyleSuite* sAIArtStyle;
extern const AIEnvelopeSuite* sAIEnvelope;
extern const ADMIconSuite* sADMIcon;
extern const ADMTrackerSuite* sADMTracker;
extern const ADMDialogSuite* sADMDialog;
extern const ADMEntrySuite* sADMEntry;
extern const ADMListSuite* sADMList;
extern const ADMItemSuite* sADMItem;

// The address of a suite pointer as an ImportSuite record wants it.
template <typename SuiteType>
const void** SuiteSlot(const SuiteType** pointer) {
  return reinterpret_cast<const void**>(pointer);
}

#endif
