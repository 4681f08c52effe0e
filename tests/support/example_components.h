// The components of the example medium for the tests of the chooser: a selection outline
// (Program, Courses\English, Courses\German, Help) to place in its files manager.
#pragma once

namespace cd::test {

inline constexpr const char* kExampleComponents = R"(    object Components: TObjectOutline
      object TSelInstNode
        Text = 'Program'
        FileList.Strings = ('Viewer\demo_viewer.exe' 'Viewer\demolib.dll')
      end
      object TSelInstNode
        Text = 'Courses'
        object TSelInstNode
          Text = 'English'
          FileList.Strings = ('Courses\English\lesson1.txt' 'Courses\English\lesson2.txt'
            'Courses\English\recording.dat')
        end
        object TSelInstNode
          Text = 'German'
          FileList.Strings = ('Courses\German\lesson1.txt')
        end
      end
      object TSelInstNode
        Text = 'Help'
        FileList.Strings = ('Help\help.grp')
      end
    end
)";

}  // namespace cd::test
