#pragma once

#include <string>
#include <vector>

#include "core/ExPtrArray.h"
#include "expedition_fwd.h"

// A plane shape as computed for a plane net, with its tie legs and hatch.
class CExPlane_ActualShape {
public:
    CExPlane_ActualShape();
    CExPlane_ActualShape(const CExPlane_ActualShape&) = delete;
    CExPlane_ActualShape& operator=(const CExPlane_ActualShape&) = delete;
    virtual ~CExPlane_ActualShape();

    // One group whose keyword line reads at level 1; empties the group.
    static void SetActualShapeData(CExPlane_ActualShape* pActualShape, std::vector<std::string>& group,
                                   const std::string& context, int flag, CExTemporaryArray* ignoreLog,
                                   CExTemporaryArray* notUsedLog, double dScale);

    CExDrawObjArray* pShapeArray;
    CExDrawObjArray* pTieLegArray;
    CExDrawObjArray* pHatchArray;
    int nPlaneId = -1;
};

EXLOAD_EXTERN_PTR_ARRAY(CExPlane_ActualShape);

class CExPlane_ActualShapeArray : public CExPtrArray<CExPlane_ActualShape*, CExPlane_ActualShape*> {
public:
    ~CExPlane_ActualShapeArray() override;

    // An actual plane shape group whose keyword line has nLevel dots (2 at
    // plane layer level, 4 under a plane net): appends one actual shape and
    // empties the group.
    void SetPlaneNetData(int nLevel, std::vector<std::string>& group, std::string context, int flag,
                         CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);
};

namespace ex {

// While a loader parses a plane record on its worker, the groups of an actual
// plane shape that only add shapes may go to its helper threads, each parsed
// into an actual shape of its own whose shapes MoveHelperShapes later moves
// to the real one, in file order. A sink is set for one thread; by default
// there is none and every group is parsed at once.
class ActualShapeSink {
public:
    // Takes the group (it is left empty).
    virtual void Take(CExPlane_ActualShape& target, std::vector<std::string>& group, const std::string& context,
                      int flag, double dScale) = 0;

    static ActualShapeSink* Current();

    // Sets the sink of this thread for its lifetime.
    class Scope {
    public:
        explicit Scope(ActualShapeSink& sink);
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;
        ~Scope();

    private:
        ActualShapeSink* m_pPrevious;
    };

protected:
    ~ActualShapeSink() = default;
};

// Moves the shapes a helper parsed into `parsed` to the end of target's arrays.
void MoveHelperShapes(CExPlane_ActualShape& parsed, CExPlane_ActualShape& target);

} // namespace ex
