"""Checks of the host's header tool on small modules written to a temporary folder.

Run with: python3 -m unittest discover -s Tests/Tools -p 'uht_test.py'
"""

import os
import subprocess
import sys
import tempfile
import textwrap
import unittest

TOOL = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'HostEngine', 'Tools', 'uht.py')


class HeaderToolTest(unittest.TestCase):
    def setUp(self):
        self.temp = tempfile.TemporaryDirectory()
        self.module_dir = os.path.join(self.temp.name, 'MyMod')
        self.out_dir = os.path.join(self.temp.name, 'out')
        os.makedirs(os.path.join(self.module_dir, 'Public'))

    def tearDown(self):
        self.temp.cleanup()

    def write_header(self, name, body):
        path = os.path.join(self.module_dir, 'Public', name)
        with open(path, 'w', encoding='utf-8') as f:
            f.write(textwrap.dedent(body))
        return path

    def run_tool(self, headers, editor_only=False):
        args = [sys.executable, TOOL, '--module', 'MyMod', '--module-dir', self.module_dir, '--out', self.out_dir]
        if editor_only:
            args.append('--editor-only')
        return subprocess.run(args + headers, capture_output=True, text=True)

    def read(self, name):
        with open(os.path.join(self.out_dir, name), encoding='utf-8') as f:
            return f.read()

    def test_exported_class_declares_no_api_and_required_api_flag(self):
        header = self.write_header('Foo.h', '''\
            #pragma once
            #include "Foo.generated.h"
            UCLASS()
            class MYMOD_API UFoo : public UObject
            {
            	GENERATED_BODY()
            };
            ''')
        result = self.run_tool([header])
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(result.stdout + result.stderr, '')
        generated = self.read('Foo.generated.h')
        self.assertIn('DECLARE_CLASS(UFoo, UObject, COMPILED_IN_FLAGS(0), CASTCLASS_None, TEXT("/Script/MyMod"), NO_API)', generated)
        self.assertIn('NO_API UFoo(const FObjectInitializer& ObjectInitializer = FObjectInitializer::Get());', generated)
        self.assertIn('template<> MYMOD_API UClass* StaticClass<class UFoo>();', generated)
        self.assertIn('#define CURRENT_FILE_ID FID_', generated)
        cpp = self.read('Foo.gen.cpp')
        self.assertIn('0x001000A0u', cpp)
        self.assertIn('UFoo::UFoo(const FObjectInitializer& ObjectInitializer) : Super(ObjectInitializer) {}', cpp)
        self.assertIn('{ "IncludePath", "Foo.h" }', cpp)
        self.assertIn('{ "ModuleRelativePath", "Public/Foo.h" }', cpp)
        self.assertIn('COREUOBJECT_API UClass* Z_Construct_UClass_UObject();', cpp)

    def test_unexported_class_keeps_generated_members_in_its_module(self):
        header = self.write_header('Bar.h', '''\
            #pragma once
            #include "Bar.generated.h"
            UCLASS()
            class UBar : public UObject
            {
            	GENERATED_BODY()
            public:
            	UBar();
            };
            ''')
        self.assertEqual(self.run_tool([header]).returncode, 0)
        generated = self.read('Bar.generated.h')
        self.assertIn('TEXT("/Script/MyMod"), NO_API)', generated)
        self.assertIn('DECLARE_VTABLE_PTR_HELPER_CTOR(NO_API, UBar);', generated)
        self.assertIn('DEFINE_DEFAULT_CONSTRUCTOR_CALL(UBar)', generated)
        self.assertIn('NO_API virtual ~UBar();', generated)
        self.assertNotIn('FObjectInitializer::Get()', generated)
        # Registration stays reachable from other modules.
        self.assertIn('template<> MYMOD_API UClass* StaticClass<class UBar>();', generated)
        cpp = self.read('Bar.gen.cpp')
        self.assertIn('MYMOD_API UClass* Z_Construct_UClass_UBar();', cpp)
        self.assertIn('MYMOD_API UClass* Z_Construct_UClass_UBar_NoRegister();', cpp)
        self.assertIn('0x000000A0u', cpp)
        self.assertNotIn('UBar::UBar(', cpp)

    def test_minimal_api_class_exports_its_generated_members(self):
        header = self.write_header('Baz.h', '''\
            #pragma once
            #include "Baz.generated.h"
            UCLASS(MinimalAPI)
            class UBaz : public UObject
            {
            	GENERATED_BODY()
            };
            ''')
        self.assertEqual(self.run_tool([header]).returncode, 0)
        generated = self.read('Baz.generated.h')
        self.assertIn('TEXT("/Script/MyMod"), MYMOD_API)', generated)
        self.assertIn('MYMOD_API UBaz(const FObjectInitializer& ObjectInitializer = FObjectInitializer::Get());', generated)
        self.assertIn('DECLARE_VTABLE_PTR_HELPER_CTOR(MYMOD_API, UBaz);', generated)
        self.assertIn('MYMOD_API virtual ~UBaz();', generated)
        self.assertNotIn('NO_API', generated)

    def test_body_ends_private_and_specifiers_map_to_flags_and_config(self):
        header = self.write_header('Settings.h', '''\
            #pragma once
            #include "Settings.generated.h"
            UCLASS(Config=Game, defaultconfig, Abstract)
            class USettings : public UObject
            {
            	GENERATED_BODY()
            	UPROPERTY(config, EditAnywhere, Category=Cook)
            	uint32 bCookAll : 1;
            };
            ''')
        self.assertEqual(self.run_tool([header]).returncode, 0)
        generated = self.read('Settings.generated.h')
        self.assertIn('COMPILED_IN_FLAGS(0 | CLASS_Config | CLASS_DefaultConfig | CLASS_Abstract)', generated)
        self.assertIn('static const TCHAR* StaticConfigName() {return TEXT("Game");}', generated)
        self.assertIn('DEFINE_ABSTRACT_DEFAULT_OBJECT_INITIALIZER_CONSTRUCTOR_CALL(USettings)', generated)
        body = generated[generated.index('_GENERATED_BODY \\'):]
        self.assertIn('private: \\\nPRAGMA_ENABLE_DEPRECATION_WARNINGS', body)
        cpp = self.read('Settings.gen.cpp')
        self.assertIn('"Game",', cpp)
        self.assertIn('HostPropertyToString((bool)static_cast<const USettings*>(Object)->bCookAll)', cpp)
        self.assertIn('(EPropertyFlags)(CPF_Config | CPF_Edit)', cpp)

    def test_editor_only_module_package_flags(self):
        header = self.write_header('Foo.h', '''\
            #pragma once
            #include "Foo.generated.h"
            UCLASS()
            class UFoo : public UObject
            {
            	GENERATED_BODY()
            };
            ''')
        self.assertEqual(self.run_tool([header], editor_only=True).returncode, 0)
        self.assertIn('PKG_CompiledIn | 0x00000040', self.read('MyMod.init.gen.cpp'))
        self.assertEqual(self.run_tool([header]).returncode, 0)
        self.assertIn('PKG_CompiledIn | 0x00000000', self.read('MyMod.init.gen.cpp'))

    def test_unchanged_output_is_not_rewritten(self):
        header = self.write_header('Foo.h', '''\
            #pragma once
            #include "Foo.generated.h"
            UCLASS()
            class UFoo : public UObject
            {
            	GENERATED_BODY()
            };
            ''')
        self.assertEqual(self.run_tool([header]).returncode, 0)
        path = os.path.join(self.out_dir, 'Foo.gen.cpp')
        first = self.read('Foo.gen.cpp')
        os.utime(path, (1000000000, 1000000000))
        self.assertEqual(self.run_tool([header]).returncode, 0)
        self.assertEqual(os.path.getmtime(path), 1000000000)
        self.assertEqual(self.read('Foo.gen.cpp'), first)

    def test_class_without_generated_body_is_an_error_with_its_line(self):
        header = self.write_header('Broken.h', '''\
            #pragma once
            #include "Broken.generated.h"

            UCLASS()
            class UBroken : public UObject
            {
            };
            ''')
        result = self.run_tool([header])
        self.assertEqual(result.returncode, 1)
        self.assertIn('Broken.h:4: error:', result.stderr)
        self.assertIn('GENERATED_BODY', result.stderr)


if __name__ == '__main__':
    unittest.main()
