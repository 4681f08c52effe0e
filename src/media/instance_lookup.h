// Finding data instances, their data sets and viewers below a viewer manager, and the
// viewer manager of an install manager.
#pragma once

#include <cstdint>

namespace cd {

class IInstallManager;
class TRunData;
class TRunDataInstance;
class TRunViewer;
class TViewerManager;

// Viewers in order, in each its data sets, in each its instances: the first with that Id.
// A child of another kind than the tree allows fails with "Invalid class typecast".
TRunDataInstance* FindInstance(const TViewerManager& viewers, int32_t id);
// The data set that holds an instance, and the viewer that holds a data set.
TRunData& DataOf(const TRunDataInstance& instance);
TRunViewer& ViewerOf(const TRunData& data);
// The first unnamed TViewerManager child of the install manager, created when missing.
TViewerManager& ViewerManagerOf(IInstallManager& installManager);

}  // namespace cd
