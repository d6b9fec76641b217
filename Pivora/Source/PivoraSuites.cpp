// The point-drag tool's suite table, in acquisition order, and the suite pointers it fills.
#include "SuitePointers.hpp"
#include "Suites.hpp"

const AIMenuSuite* sAIMenu = nullptr;
const AIToolSuite* sAITool = nullptr;
const AIUnicodeStringSuite* sAIUnicodeString = nullptr;
const AIPluginSuite* sAIPlugin = nullptr;
const SPBlocksSuite* sSPBlocks = nullptr;
const AIUndoSuite* sAIUndo = nullptr;
const AIArtSuite* sAIArt = nullptr;
const AISwatchListSuite* sAISwatchList = nullptr;
const AIRealMathSuite* sAIRealMath = nullptr;
const AIPathSuite* sAIPath = nullptr;
const AIPathStyleSuite* sAIPathStyle = nullptr;
const AILayerSuite* sAILayer = nullptr;
const AIDocumentSuite* sAIDocument = nullptr;
const AITagSuite* sAITag = nullptr;
const AIBlendStyleSuite* sAIBlendStyle = nullptr;
const AISymbolSuite* sAISymbol = nullptr;
const AIMdMemorySuite* sAIMdMemory = nullptr;
const AIRandomSuite* sAIRandom = nullptr;
const AITransformArtSuite* sAITransformArt = nullptr;
const AIMatchingArtSuite* sAIMatchingArt = nullptr;
const AIArtStyleSuite* sAIArtStyle = nullptr;
const AIToolSuite* sTool = nullptr;
const AIEnvelopeSuite* sAIEnvelope = nullptr;
const ADMIconSuite* sADMIcon = nullptr;
const ADMTrackerSuite* sADMTracker = nullptr;
const ADMDialogSuite* sADMDialog = nullptr;
const ADMEntrySuite* sADMEntry = nullptr;
const ADMListSuite* sADMList = nullptr;
const ADMItemSuite* sADMItem = nullptr;

ImportSuite gImportSuites[] = {
    {kAIMenuSuite, kAIMenuSuiteVersion, SuiteSlot(&sAIMenu)},
    {kAIToolSuite, kAIToolSuiteVersion, SuiteSlot(&sAITool)},
    {kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion, SuiteSlot(&sAIUnicodeString)},
    {kAIPluginSuite, kAIPluginSuiteVersion, SuiteSlot(&sAIPlugin)},
    {kSPBlocksSuite, kSPBlocksSuiteVersion, SuiteSlot(&sSPBlocks)},
    {kAIUndoSuite, kAIUndoSuiteVersion, SuiteSlot(&sAIUndo)},
    {kAIArtSuite, kAIArtSuiteVersion, SuiteSlot(&sAIArt)},
    {kAISwatchListSuite, kAISwatchListSuiteVersion, SuiteSlot(&sAISwatchList)},
    {kAIRealMathSuite, kAIRealMathSuiteVersion, SuiteSlot(&sAIRealMath)},
    {kAIPathSuite, kAIPathSuiteVersion, SuiteSlot(&sAIPath)},
    {kAIPathStyleSuite, kAIPathStyleSuiteVersion, SuiteSlot(&sAIPathStyle)},
    {kAILayerSuite, kAILayerSuiteVersion, SuiteSlot(&sAILayer)},
    {kAIDocumentSuite, kAIDocumentSuiteVersion, SuiteSlot(&sAIDocument)},
    {kAITagSuite, kAITagSuiteVersion, SuiteSlot(&sAITag)},
    {kAIBlendStyleSuite, kAIBlendStyleSuiteVersion, SuiteSlot(&sAIBlendStyle)},
    {kAISymbolSuite, kAISymbolSuiteVersion, SuiteSlot(&sAISymbol)},
    {kAIMdMemorySuite, kAIMdMemorySuiteVersion, SuiteSlot(&sAIMdMemory)},
    {kAIRandomSuite, kAIRandomSuiteVersion, SuiteSlot(&sAIRandom)},
    {kAITransformArtSuite, kAITransformArtSuiteVersion, SuiteSlot(&sAITransformArt)},
    {kAIMatchingArtSuite, kAIMatchingArtSuiteVersion, SuiteSlot(&sAIMatchingArt)},
    {kAIArtStyleSuite, kAIArtStyleSuiteVersion, SuiteSlot(&sAIArtStyle)},
    {kAIToolSuite, kAIToolSuiteVersion, SuiteSlot(&sTool)},
    {kAIEnvelopeSuite, kAIEnvelopeSuiteVersion, SuiteSlot(&sAIEnvelope)},
    {kADMIconSuite, kADMIconSuiteVersion, SuiteSlot(&sADMIcon)},
    {kADMTrackerSuite, kADMTrackerSuiteVersion, SuiteSlot(&sADMTracker)},
    {kADMDialogSuite, kADMDialogSuiteVersion, SuiteSlot(&sADMDialog)},
    {kADMEntrySuite, kADMEntrySuiteVersion, SuiteSlot(&sADMEntry)},
    {kADMListSuite, kADMListSuiteVersion, SuiteSlot(&sADMList)},
    {kADMItemSuite, kADMItemSuiteVersion, SuiteSlot(&sADMItem)},
    {nullptr, 0, nullptr},
};
