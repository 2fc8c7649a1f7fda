#pragma once

// How graphic object records and dimensions are read. Such a record stands at
// any keyword level (1 in the layout file, 2 in a cell); its children are cut
// so that they always read at level 1, and each child sub-record is looked up
// in its element class's table of keywords, which says what to do with it.

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "core/ExPt.h"
#include "core/ExTemporary.h"
#include "core/Grouping.h"
#include "core/KeywordTable.h"
#include "core/StringOps.h"
#include "jobprefs/ExLayerPair.h"
#include "layout/ExText.h"
#include "shapes/ExDrawObjArray.h"
#include "shapes/ShapeKeywords.h"

namespace ex {

// What a sub-record does to its element.
enum class Take {
    Log,           // unknown here: the whole sub-record goes to the not-used log
    Skip,          // known and not kept: dropped without a trace
    Value,         // keyword value into a string
    Integer,       // leading integer of the value
    Number,        // leading number of the value
    ScaledNumber,  // the same times the unit scale
    Shapes,        // every shape appended to an owned shape array
    OneShape,      // one shape replacing the owned one
    Text,          // one text appended to an owned text array
    Points,        // the points after ".XY" appended
    LayerPair,     // the from layer first, every later one the to layer
    Records,       // nested records handed to a routine of the element
};

// The arguments every sub-record handler passes on unchanged.
struct SubRecordArgs {
    const std::string& sContext;
    int nFlag;
    CExTemporaryArray* pIgnoreLog;
    CExTemporaryArray* pNotUsedLog;
    double dScale;
};

// One row's action: what to take and into which member. Tables use the named
// constructors, so that the two always agree.
template <class E>
struct SubRecordField {
    using RecordsFn = void (*)(E&, std::vector<std::string>&, const SubRecordArgs&);
    using Member = std::variant<std::monostate, std::string E::*, int E::*, double E::*, CExDrawObjArray* E::*,
                                CExDrawObj* E::*, CExTextArray* E::*, CExPtArray E::*, CExLayerPair* E::*, RecordsFn>;

    Take take = Take::Log;
    Member member;

    static constexpr SubRecordField Log() { return {Take::Log, {}}; }
    static constexpr SubRecordField Skip() { return {Take::Skip, {}}; }
    static constexpr SubRecordField Value(std::string E::*m) { return {Take::Value, m}; }
    static constexpr SubRecordField Integer(int E::*m) { return {Take::Integer, m}; }
    static constexpr SubRecordField Number(double E::*m) { return {Take::Number, m}; }
    static constexpr SubRecordField Scaled(double E::*m) { return {Take::ScaledNumber, m}; }
    static constexpr SubRecordField Shapes(CExDrawObjArray* E::*m) { return {Take::Shapes, m}; }
    static constexpr SubRecordField OneShape(CExDrawObj* E::*m) { return {Take::OneShape, m}; }
    static constexpr SubRecordField Text(CExTextArray* E::*m) { return {Take::Text, m}; }
    static constexpr SubRecordField Points(CExPtArray E::*m) { return {Take::Points, m}; }
    static constexpr SubRecordField LayerPair(CExLayerPair* E::*m) { return {Take::LayerPair, m}; }
    static constexpr SubRecordField Records(RecordsFn fn) { return {Take::Records, fn}; }

    // Records handed, at level 1, to a record operation of an array that the
    // element owns (pArray), such as the graphics of a dimension.
    template <auto pArray, auto pSetData>
    static constexpr SubRecordField HandOn()
    {
        return Records([](E& element, std::vector<std::string>& sub, const SubRecordArgs& args) {
            ((element.*pArray)->*pSetData)(1, sub, args.sContext, args.nFlag, args.pIgnoreLog, args.pNotUsedLog,
                                           args.dScale);
        });
    }
};

template <class E>
using SubRecordRow = KeywordRow<SubRecordField<E>>;

// A class's keywords in test order (one leading dot, upper case), and what a
// sub-record headed by a shape keyword does. No keyword of these tables
// begins a shape keyword or is begun by one, so testing the shapes after the
// rows gives the same result wherever the shapes stand in the order.
template <class E>
struct SubRecordTable {
    std::span<const SubRecordRow<E>> rows;
    SubRecordField<E> shapes = SubRecordField<E>::Log();
    bool bWithDimensionData = true;
};

// The parts of the actions that do not depend on the element class.
void LogNotUsed(std::vector<std::string>& sub, const SubRecordArgs& args);
void AddPoints(CExPtArray& pts, std::string_view head, double dScale);
void SetLayerPairValue(CExLayerPair& pair, std::string sValue);
void ReplaceShape(CExDrawObj*& pDrawObj, std::vector<std::string>& sub, const SubRecordArgs& args);

// Applies the table to one sub-record (its first line at one dot, deeper
// lines with more); the sub-record is empty on return.
template <class E>
void SetSubRecord(E& element, const SubRecordTable<E>& table, std::vector<std::string>& sub, const SubRecordArgs& args)
{
    if (sub.empty())
        return;
    static constexpr SubRecordField<E> kLog = SubRecordField<E>::Log();
    const std::string_view head = TrimView(sub[0]);
    const SubRecordRow<E>* row = MatchKeyword(table.rows, head);
    const SubRecordField<E>& field =
        row != nullptr ? row->action : IsShapeLine(head, 1, table.bWithDimensionData) ? table.shapes : kLog;

    using F = SubRecordField<E>;
    const auto& m = field.member;
    switch (field.take) {
    case Take::Log:
        LogNotUsed(sub, args);
        break;
    case Take::Skip:
        break;
    case Take::Value:
        element.*std::get<std::string E::*>(m) = KeywordValue(head);
        break;
    case Take::Integer:
        element.*std::get<int E::*>(m) = Atoi(KeywordValue(head));
        break;
    case Take::Number:
        element.*std::get<double E::*>(m) = Atof(KeywordValue(head));
        break;
    case Take::ScaledNumber:
        element.*std::get<double E::*>(m) = Atof(KeywordValue(head)) * args.dScale;
        break;
    case Take::Shapes:
        (element.*std::get<CExDrawObjArray * E::*>(m))
            ->SetDObjData_InCell(1, sub, args.sContext, args.nFlag, args.pIgnoreLog, args.pNotUsedLog, args.dScale);
        break;
    case Take::OneShape:
        ReplaceShape(element.*std::get<CExDrawObj * E::*>(m), sub, args);
        break;
    case Take::Text:
        (element.*std::get<CExTextArray * E::*>(m))
            ->SetTextData(1, sub, args.sContext, args.nFlag, args.pIgnoreLog, args.pNotUsedLog, args.dScale);
        break;
    case Take::Points:
        AddPoints(element.*std::get<CExPtArray E::*>(m), head, args.dScale);
        break;
    case Take::LayerPair:
        SetLayerPairValue(*(element.*std::get<CExLayerPair * E::*>(m)), KeywordValue(head));
        break;
    case Take::Records:
        std::get<typename F::RecordsFn>(m)(element, sub, args);
        break;
    }
    sub.clear();
}

// Fills an element from the child lines of a record whose keyword line stands
// at nLevel: a line one level deeper opens a sub-record, deeper lines join it,
// and every line loses its first nLevel characters, so that each sub-record
// reaches SetSubRecordData at level 1. The keyword line is the caller's;
// the record is empty on return.
template <class E>
void SetLevelRecordData(E& element, int nLevel, std::vector<std::string>& record, const SubRecordArgs& args)
{
    const GroupRule rule{.nLevel = nLevel + 1, .nCut = nLevel};
    GroupLines(record, 1, rule, [&](std::vector<std::string>& sub) {
        element.SetSubRecordData(sub, args.sContext, args.nFlag, args.pIgnoreLog, args.pNotUsedLog, args.dScale);
    });
}

struct IgnoreKeywordLine {
    template <class E>
    void operator()(E&, std::string_view) const
    {
    }
};

// One new element per non-empty record, appended also when nothing was set.
// readKeywordLine(element, trimmed keyword line) keeps what the class keeps
// of the record's own line.
template <class Array, class ReadKeywordLine = IgnoreKeywordLine>
void AddLevelRecord(Array& array, int nLevel, std::vector<std::string>& record, const SubRecordArgs& args,
                    ReadKeywordLine readKeywordLine = {})
{
    if (record.empty())
        return;
    using E = std::remove_pointer_t<typename Array::value_type>;
    auto element = std::make_unique<E>();
    readKeywordLine(*element, TrimView(record[0]));
    SetLevelRecordData(*element, nLevel, record, args);
    array.Add(element.get());
    element.release();
}

} // namespace ex
