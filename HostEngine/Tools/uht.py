#!/usr/bin/env python3
"""The host's header tool: writes the reflection code of a module's UCLASS headers.

For every header given it writes <Header>.generated.h and <Header>.gen.cpp, and once per module
<Module>.init.gen.cpp, in the shape the engine's own header tool gives them. Files whose content
did not change are left alone, so a rebuild recompiles nothing. Prints nothing on success; a
header it cannot read is reported as file:line: error and the tool exits with status 1.
"""

import argparse
import os
import re
import sys
import zlib


class UhtError(Exception):
    def __init__(self, path, line, message):
        super().__init__(f"{path}:{line}: error: {message}")


# Classes CoreUObject declares by hand, without the header tool.
INTRINSIC_CLASSES = {
    "UObject": "CoreUObject",
    "UField": "CoreUObject",
    "UStruct": "CoreUObject",
    "UClass": "CoreUObject",
    "UPackage": "CoreUObject",
}


def strip_comments(text):
    """Blanks out comments and string contents' comment markers, keeping every newline in place."""
    out = []
    i = 0
    n = len(text)
    while i < n:
        c = text[i]
        if c == '/' and i + 1 < n and text[i + 1] == '/':
            j = text.find('\n', i)
            if j < 0:
                j = n
            out.append(' ' * (j - i))
            i = j
        elif c == '/' and i + 1 < n and text[i + 1] == '*':
            j = text.find('*/', i + 2)
            j = n if j < 0 else j + 2
            out.append(''.join('\n' if ch == '\n' else ' ' for ch in text[i:j]))
            i = j
        elif c == '"' or c == "'":
            j = i + 1
            while j < n and text[j] != c:
                if text[j] == '\\':
                    j += 1
                j += 1
            out.append(text[i:j + 1])
            i = j + 1
        else:
            out.append(c)
            i += 1
    return ''.join(out)


def line_of(text, pos):
    return text.count('\n', 0, pos) + 1


def match_paren(text, pos, open_ch='(', close_ch=')'):
    """Index just past the bracket closing the one at pos."""
    depth = 0
    i = pos
    while i < len(text):
        c = text[i]
        if c == open_ch:
            depth += 1
        elif c == close_ch:
            depth -= 1
            if depth == 0:
                return i + 1
        elif c == '"':
            i += 1
            while i < len(text) and text[i] != '"':
                if text[i] == '\\':
                    i += 1
                i += 1
        i += 1
    return -1


def split_top_level(text, sep=','):
    parts = []
    depth = 0
    current = []
    in_string = False
    for c in text:
        if in_string:
            current.append(c)
            if c == '"':
                in_string = False
            continue
        if c == '"':
            in_string = True
        elif c in '([{<':
            depth += 1
        elif c in ')]}>':
            depth -= 1
        if c == sep and depth == 0:
            parts.append(''.join(current).strip())
            current = []
        else:
            current.append(c)
    tail = ''.join(current).strip()
    if tail:
        parts.append(tail)
    return parts


def unquote(value):
    value = value.strip()
    if len(value) >= 2 and value[0] == '"' and value[-1] == '"':
        return value[1:-1]
    return value


def parse_specifiers(text):
    """Specifiers of a UCLASS/UPROPERTY: a list of (key, value) and the meta pairs."""
    specifiers = []
    meta = []
    for part in split_top_level(text):
        if '=' in part:
            key, value = part.split('=', 1)
            key = key.strip()
            value = value.strip()
        else:
            key, value = part.strip(), None
        if key.lower() == 'meta' and value is not None:
            inner = value.strip()
            if inner.startswith('(') and inner.endswith(')'):
                inner = inner[1:-1]
            for item in split_top_level(inner):
                if '=' in item:
                    mk, mv = item.split('=', 1)
                    meta.append((mk.strip(), unquote(mv)))
                else:
                    meta.append((item.strip(), 'true'))
        else:
            specifiers.append((key, value))
    return specifiers, meta


def preceding_comment(raw_text, pos):
    """The doc comment right above pos in the original text, if any (only blank space between)."""
    before = raw_text[:pos].rstrip()
    if before.endswith('*/'):
        start = before.rfind('/*')
        if start >= 0:
            return before[start:]
    lines = before.split('\n')
    comment_lines = []
    for line in reversed(lines):
        stripped = line.strip()
        if stripped.startswith('//'):
            comment_lines.insert(0, stripped)
        else:
            break
    if comment_lines:
        return '\n'.join(comment_lines)
    return None


def comment_to_tooltip(comment):
    text = comment.strip()
    if text.startswith('/*'):
        text = text[2:]
        if text.endswith('*/'):
            text = text[:-2]
        lines = []
        for line in text.split('\n'):
            line = line.strip()
            line = line.lstrip('*').strip()
            lines.append(line)
    else:
        lines = [line.strip().lstrip('/').strip() for line in text.split('\n')]
    return '\n'.join(line for line in lines if line).strip()


def cpp_string(value):
    """A C++ string literal holding value."""
    escaped = value.replace('\\', '\\\\').replace('"', '\\"').replace('\n', '\\n').replace('\t', '\\t')
    return f'"{escaped}"'


class PropertyInfo:
    def __init__(self):
        self.name = ''
        self.cpp_type = ''
        self.flags = []
        self.meta = []
        self.is_bitfield_bool = False
        self.condition = None
        self.line = 0


class ClassInfo:
    def __init__(self):
        self.name = ''
        self.super_name = ''
        self.api = None
        self.specifiers = []
        self.meta = []
        self.uclass_line = 0
        self.body_line = 0
        self.legacy_body = False
        self.has_default_ctor = False
        self.has_initializer_ctor = False
        self.has_destructor = False
        self.properties = []
        self.comment = None


PROPERTY_FLAG_MAP = {
    'editanywhere': ['CPF_Edit'],
    'editdefaultsonly': ['CPF_Edit', 'CPF_DisableEditOnInstance'],
    'editinstanceonly': ['CPF_Edit', 'CPF_DisableEditOnTemplate'],
    'visibleanywhere': ['CPF_Edit', 'CPF_EditConst'],
    'visibledefaultsonly': ['CPF_Edit', 'CPF_EditConst', 'CPF_DisableEditOnInstance'],
    'visibleinstanceonly': ['CPF_Edit', 'CPF_EditConst', 'CPF_DisableEditOnTemplate'],
    'transient': ['CPF_Transient'],
    'duplicatetransient': ['CPF_DuplicateTransient'],
    'config': ['CPF_Config'],
    'globalconfig': ['CPF_GlobalConfig', 'CPF_Config'],
    'blueprintreadonly': ['CPF_BlueprintVisible', 'CPF_BlueprintReadOnly'],
    'blueprintreadwrite': ['CPF_BlueprintVisible'],
    'advanceddisplay': ['CPF_AdvancedDisplay'],
    'simpledisplay': ['CPF_SimpleDisplay'],
    'editfixedsize': ['CPF_EditFixedSize'],
    'instanced': ['CPF_PersistentInstance', 'CPF_ExportObject', 'CPF_InstancedReference'],
    'noclear': ['CPF_NoClear'],
    'saveGame'.lower(): ['CPF_SaveGame'],
    'assetregistrysearchable': ['CPF_AssetRegistrySearchable'],
    'nontransactional': ['CPF_NonTransactional'],
    'textexporttransient': ['CPF_TextExportTransient'],
    'skipserialization': ['CPF_SkipSerialization'],
}

CLASS_STATIC_FLAG_MAP = {
    'abstract': 'CLASS_Abstract',
    'config': 'CLASS_Config',
    'defaultconfig': 'CLASS_DefaultConfig',
    'transient': 'CLASS_Transient',
    'perobjectconfig': 'CLASS_PerObjectConfig',
    'globaluserconfig': 'CLASS_GlobalUserConfig',
    'projectuserconfig': 'CLASS_ProjectUserConfig',
    'editinlinenew': 'CLASS_EditInlineNew',
    'collapsecategories': 'CLASS_CollapseCategories',
    'const': 'CLASS_Const',
    'deprecated': 'CLASS_Deprecated',
    'hidedropdown': 'CLASS_HideDropDown',
    'notplaceable': 'CLASS_NotPlaceable',
    'defaulttoinstanced': 'CLASS_DefaultToInstanced',
    'hidden': 'CLASS_Hidden',
    'optional': 'CLASS_Optional',
}

CLASS_FLAG_VALUES = {
    'CLASS_Abstract': 0x1, 'CLASS_DefaultConfig': 0x2, 'CLASS_Config': 0x4, 'CLASS_Transient': 0x8,
    'CLASS_Optional': 0x10, 'CLASS_MatchedSerializers': 0x20, 'CLASS_ProjectUserConfig': 0x40,
    'CLASS_Native': 0x80, 'CLASS_NotPlaceable': 0x200, 'CLASS_PerObjectConfig': 0x400,
    'CLASS_EditInlineNew': 0x1000, 'CLASS_CollapseCategories': 0x2000, 'CLASS_Const': 0x10000,
    'CLASS_MinimalAPI': 0x80000, 'CLASS_RequiredAPI': 0x100000, 'CLASS_DefaultToInstanced': 0x200000,
    'CLASS_Hidden': 0x1000000, 'CLASS_Deprecated': 0x2000000, 'CLASS_HideDropDown': 0x4000000,
    'CLASS_GlobalUserConfig': 0x8000000,
}


def parse_property(decl, path, line):
    """Name and type of a member declaration such as 'TMap<FName, int32> Missing = {}'."""
    decl = ' '.join(decl.split())
    # Drop the initializer.
    depth = 0
    cut = len(decl)
    for i, c in enumerate(decl):
        if c in '<([':
            depth += 1
        elif c in '>)]':
            depth -= 1
        elif depth == 0 and (c == '=' or c == '{'):
            cut = i
            break
    decl = decl[:cut].strip()
    bitfield = False
    m = re.match(r'^(.*?)\s*:\s*\d+$', decl)
    if m and '::' not in decl[len(m.group(1)):]:
        decl = m.group(1).strip()
        bitfield = True
    m = re.match(r'^(.*?)([A-Za-z_]\w*)\s*(\[[^\]]*\])?$', decl)
    if not m:
        raise UhtError(path, line, f"cannot read the property declaration '{decl}'")
    cpp_type = m.group(1).strip()
    name = m.group(2)
    for qualifier in ('mutable ', 'static '):
        if cpp_type.startswith(qualifier):
            cpp_type = cpp_type[len(qualifier):]
    if not cpp_type:
        raise UhtError(path, line, f"property '{name}' has no type")
    return name, cpp_type, bitfield


def parse_class_body(cls, raw, text, body_start, body_end, path):
    """Finds GENERATED_BODY, user constructors and UPROPERTYs at the top level of the class body."""
    depth = 0
    i = body_start
    conditions = []
    line_start = True
    while i < body_end:
        c = text[i]
        if line_start and depth == 0:
            stripped_pos = i
            while stripped_pos < body_end and text[stripped_pos] in ' \t':
                stripped_pos += 1
            if stripped_pos < body_end and text[stripped_pos] == '#':
                end = text.find('\n', stripped_pos)
                end = body_end if end < 0 else end
                directive = text[stripped_pos + 1:end].strip()
                word = directive.split()[0] if directive.split() else ''
                if word in ('if', 'ifdef', 'ifndef'):
                    conditions.append(directive[len(word):].strip() if word == 'if' else None)
                elif word == 'endif' and conditions:
                    conditions.pop()
                elif word in ('else', 'elif') and conditions:
                    conditions[-1] = None
                i = end
                continue
        line_start = False
        if c == '\n':
            line_start = True
            i += 1
            continue
        if c == '{':
            depth += 1
            i += 1
            continue
        if c == '}':
            depth -= 1
            i += 1
            continue
        if depth == 0 and (c.isalpha() or c == '_' or c == '~'):
            m = re.compile(r'~?[A-Za-z_]\w*').match(text, i)
            word = m.group(0)
            after = m.end()
            if word in ('GENERATED_BODY', 'GENERATED_UCLASS_BODY', 'GENERATED_BODY_LEGACY'):
                cls.body_line = line_of(text, i)
                cls.legacy_body = word != 'GENERATED_BODY'
                close = match_paren(text, text.index('(', after))
                i = close
                continue
            if word == 'UPROPERTY':
                open_pos = text.index('(', after)
                close = match_paren(text, open_pos)
                spec_text = text[open_pos + 1:close - 1]
                end = close
                pdepth = 0
                while end < body_end:
                    ch = text[end]
                    if ch in '<({[':
                        pdepth += 1
                    elif ch in '>)}]':
                        pdepth -= 1
                    elif ch == ';' and pdepth == 0:
                        break
                    end += 1
                prop_line = line_of(text, i)
                name, cpp_type, bitfield = parse_property(text[close:end], path, prop_line)
                prop = PropertyInfo()
                prop.name = name
                prop.cpp_type = cpp_type
                prop.is_bitfield_bool = bitfield or cpp_type == 'bool'
                prop.line = prop_line
                specifiers, meta = parse_specifiers(spec_text)
                flags = []
                for key, value in specifiers:
                    if key.lower() == 'category' and value is not None:
                        meta.append(('Category', unquote(value)))
                    for flag in PROPERTY_FLAG_MAP.get(key.lower(), []):
                        if flag not in flags:
                            flags.append(flag)
                prop.flags = flags
                comment = preceding_comment(raw, i)
                if comment:
                    meta.append(('Comment', comment.strip()))
                    meta.append(('ToolTip', comment_to_tooltip(comment)))
                prop.meta = meta
                active = [cond for cond in conditions if cond in ('WITH_EDITORONLY_DATA', 'WITH_EDITOR')]
                prop.condition = active[-1] if active else None
                cls.properties.append(prop)
                i = end + 1
                continue
            if word == cls.name or word == '~' + cls.name:
                rest = text[after:body_end].lstrip()
                if rest.startswith('('):
                    open_pos = text.index('(', after)
                    close = match_paren(text, open_pos)
                    params = text[open_pos + 1:close - 1].strip()
                    if word.startswith('~'):
                        cls.has_destructor = True
                    elif params in ('', 'void'):
                        cls.has_default_ctor = True
                    elif 'FObjectInitializer' in params:
                        cls.has_initializer_ctor = True
                    i = close
                    continue
            i = after
            continue
        i += 1


def parse_header(path, module_api):
    with open(path, encoding='utf-8') as f:
        raw = f.read()
    text = strip_comments(raw)
    classes = []
    for m in re.finditer(r'^[ \t]*UCLASS[ \t]*\(', text, re.MULTILINE):
        cls = ClassInfo()
        open_pos = text.index('(', m.start())
        close = match_paren(text, open_pos)
        if close < 0:
            raise UhtError(path, line_of(text, m.start()), 'unbalanced UCLASS specifiers')
        cls.uclass_line = line_of(text, m.start())
        cls.specifiers, cls.meta = parse_specifiers(text[open_pos + 1:close - 1])
        cls.comment = preceding_comment(raw, m.start() + (len(m.group(0)) - len(m.group(0).lstrip())))
        decl = re.compile(r'\s*class\s+(?:(\w+_API)\s+)?(\w+)\s*(?:final\s*)?:\s*public\s+(\w+)[^{]*\{').match(text, close)
        if not decl:
            raise UhtError(path, cls.uclass_line, 'UCLASS must be followed by "class [API] UName : public USuper {"')
        cls.api = decl.group(1)
        cls.name = decl.group(2)
        cls.super_name = decl.group(3)
        if cls.name[0] not in 'UA':
            raise UhtError(path, cls.uclass_line, f"class '{cls.name}' must start with U or A")
        body_start = decl.end()
        body_end = match_paren(text, body_start - 1, '{', '}')
        if body_end < 0:
            raise UhtError(path, cls.uclass_line, f"class '{cls.name}' has no closing brace")
        parse_class_body(cls, raw, text, body_start, body_end - 1, path)
        if cls.body_line == 0:
            raise UhtError(path, cls.uclass_line, f"class '{cls.name}' has no GENERATED_BODY()")
        if cls.api is not None and cls.api != module_api:
            raise UhtError(path, cls.uclass_line, f"class '{cls.name}' is declared {cls.api} in module of {module_api}")
        classes.append(cls)
    return raw, classes


def parse_enums(path):
    """The UENUMs of a header: (name, underlying type, [enumerators]) for each 'enum class Name : Type { ... }'."""
    with open(path, encoding='utf-8') as f:
        text = strip_comments(f.read())
    enums = []
    for m in re.finditer(r'^[ \t]*UENUM[ \t]*\(', text, re.MULTILINE):
        close = match_paren(text, text.index('(', m.start()))
        decl = re.compile(r'\s*enum\s+class\s+(\w+)\s*:\s*(\w+)\s*\{').match(text, close)
        if not decl:
            raise UhtError(path, line_of(text, m.start()), 'the host reflects only "UENUM() enum class EName : uint8 { ... }"')
        body_end = match_paren(text, decl.end() - 1, '{', '}')
        body = text[decl.end():body_end - 1]
        body = re.sub(r'UMETA\s*\([^)]*\)', '', body)
        values = []
        for item in body.split(','):
            name = item.split('=')[0].strip()
            if name:
                values.append(name)
        enums.append((decl.group(1), decl.group(2), values))
    return enums


def generate_enum_declarations(enums):
    """Declarations for the generated header: the enum's text form, which config files and the settings editor use."""
    out = []
    for name, underlying, _ in enums:
        out.append(f'// Begin Enum {name}')
        out.append(f'enum class {name} : {underlying};')
        out.append(f'FString HostPropertyToString({name} Value);')
        out.append(f'bool HostPropertyFromString({name}& Value, const FString& Text);')
        out.append(f'// End Enum {name}')
        out.append('')
    return out


def generate_enum_definitions(enums):
    out = []
    for name, _, values in enums:
        out.append(f'// Begin Enum {name}')
        out.append(f'FString HostPropertyToString({name} Value)')
        out.append('{')
        out.append('\tswitch (Value)')
        out.append('\t{')
        for value in values:
            out.append(f'\tcase {name}::{value}: return TEXT("{value}");')
        out.append('\tdefault: return HostPropertyToString((int64)Value);')
        out.append('\t}')
        out.append('}')
        out.append(f'bool HostPropertyFromString({name}& Value, const FString& Text)')
        out.append('{')
        out.append('\tconst FString Trimmed = Text.TrimStartAndEnd();')
        for value in values:
            out.append(f'\tif (Trimmed.Equals(TEXT("{value}"), ESearchCase::IgnoreCase) || Trimmed.Equals(TEXT("{name}::{value}"), ESearchCase::IgnoreCase))')
            out.append('\t{')
            out.append(f'\t\tValue = {name}::{value};')
            out.append('\t\treturn true;')
            out.append('\t}')
        out.append('\treturn false;')
        out.append('}')
        out.append(f'// End Enum {name}')
        out.append('')
    return out


def find_repo_root(module_dir):
    current = os.path.abspath(module_dir)
    while True:
        if os.path.isdir(os.path.join(current, 'HostEngine')):
            return current
        parent = os.path.dirname(current)
        if parent == current:
            return os.path.dirname(os.path.abspath(module_dir))
        current = parent


def sanitise(path):
    return re.sub(r'[^A-Za-z0-9]', '_', path)


def known_class_modules(repo_root):
    """Which module declares each reflected class of the repository (for cross-module references)."""
    result = dict(INTRINSIC_CLASSES)
    pattern = re.compile(r'^[ \t]*UCLASS[ \t]*\([^;{]*?\)\s*class\s+(?:\w+_API\s+)?(\w+)', re.MULTILINE | re.DOTALL)
    roots = [os.path.join(repo_root, 'HostEngine', 'Source'), os.path.join(repo_root, 'Plugins')]
    for root in roots:
        for dirpath, dirnames, filenames in os.walk(root):
            dirnames.sort()
            rules = [name for name in filenames if name.endswith('.Build.cs')]
            if rules:
                module = rules[0][:-len('.Build.cs')]
                for sub, _, files in os.walk(dirpath):
                    for name in sorted(files):
                        if not name.endswith('.h'):
                            continue
                        try:
                            with open(os.path.join(sub, name), encoding='utf-8') as f:
                                content = f.read()
                        except (OSError, UnicodeDecodeError):
                            continue
                        if 'UCLASS' not in content:
                            continue
                        for m in pattern.finditer(strip_comments(content)):
                            result.setdefault(m.group(1), module)
                dirnames[:] = []
    return result


def include_path_of(header, module_dir):
    rel = os.path.relpath(header, module_dir).replace(os.sep, '/')
    for root in ('Public/', 'Classes/', 'Private/'):
        if rel.startswith(root):
            return rel[len(root):], rel
    return os.path.basename(header), rel


def crc(text):
    return zlib.crc32(text.encode('utf-8')) & 0xFFFFFFFF


def class_config_name(cls):
    for key, value in cls.specifiers:
        if key.lower() == 'config' and value is not None:
            return unquote(value)
    return None


def class_within(cls):
    for key, value in cls.specifiers:
        if key.lower() == 'within' and value is not None:
            return unquote(value)
    return None


def class_meta(cls, include_path, module_relative):
    pairs = []
    lowered = {key.lower(): value for key, value in cls.specifiers}
    if 'blueprinttype' in lowered:
        pairs.append(('BlueprintType', 'true'))
    if 'notblueprinttype' in lowered:
        pairs.append(('BlueprintType', 'false'))
    if 'blueprintable' in lowered:
        pairs.append(('IsBlueprintBase', 'true'))
    if 'notblueprintable' in lowered:
        pairs.append(('IsBlueprintBase', 'false'))
    for key in ('hidecategories', 'showcategories', 'autoexpandcategories', 'autocollapsecategories', 'classgroup'):
        for spec_key, value in cls.specifiers:
            if spec_key.lower() == key and value is not None:
                inner = value.strip()
                if inner.startswith('(') and inner.endswith(')'):
                    inner = inner[1:-1]
                names = {'hidecategories': 'HideCategories', 'showcategories': 'ShowCategories',
                         'autoexpandcategories': 'AutoExpandCategories', 'autocollapsecategories': 'AutoCollapseCategories',
                         'classgroup': 'ClassGroupNames'}
                pairs.append((names[key], ' '.join(unquote(v) for v in split_top_level(inner))))
    if cls.comment:
        pairs.append(('Comment', cls.comment.strip()))
        pairs.append(('ToolTip', comment_to_tooltip(cls.comment)))
    pairs.append(('IncludePath', include_path))
    pairs.append(('ModuleRelativePath', module_relative))
    pairs.extend(cls.meta)
    return sorted(pairs, key=lambda pair: pair[0].lower())


def generate_header(module, module_api, header_base, include_path, fid, classes):
    guard = f"{module.upper()}_{header_base}_generated_h"
    out = []
    out.append('// Reflection code for ' + include_path + ', written by the host\'s header tool.')
    out.append('// DO NOT modify this manually! Edit the corresponding .h files instead!')
    out.append('')
    out.append(f'// IWYU pragma: private, include "{include_path}"')
    out.append('')
    out.append('#include "UObject/ObjectMacros.h"')
    out.append('#include "UObject/ScriptMacros.h"')
    out.append('')
    out.append('PRAGMA_DISABLE_DEPRECATION_WARNINGS')
    out.append(f'#ifdef {guard}')
    out.append(f'#error "{header_base}.generated.h already included, missing \'#pragma once\' in {header_base}.h"')
    out.append('#endif')
    out.append(f'#define {guard}')
    out.append('')
    for cls in classes:
        lowered = [key.lower() for key, _ in cls.specifiers]
        # An exported class exports these members with itself; a MinimalAPI class exports them alone, so that other
        # modules can cast to it and construct it; any other class keeps them inside its module.
        api = module_api if 'minimalapi' in lowered and not cls.api else 'NO_API'
        prefix = f'{fid}_h_{cls.body_line}'
        static_flags = ['0']
        for key in lowered:
            flag = CLASS_STATIC_FLAG_MAP.get(key)
            if flag and flag not in static_flags:
                static_flags.append(flag)
        config_name = class_config_name(cls)
        if config_name is not None and 'CLASS_Config' not in static_flags:
            static_flags.append('CLASS_Config')
        is_abstract = 'abstract' in lowered
        out.append(f'// Begin Class {cls.name}')
        out.append(f'#define {prefix}_INCLASS_NO_PURE_DECLS \\')
        out.append('private: \\')
        out.append(f'\tstatic void StaticRegisterNatives{cls.name}(); \\')
        out.append(f'\tfriend struct Z_Construct_UClass_{cls.name}_Statics; \\')
        out.append('public: \\')
        out.append(f'\tDECLARE_CLASS({cls.name}, {cls.super_name}, COMPILED_IN_FLAGS({" | ".join(static_flags)}), CASTCLASS_None, TEXT("/Script/{module}"), {api}) \\')
        out.append(f'\tDECLARE_SERIALIZER({cls.name}) \\')
        within = class_within(cls)
        if within:
            out.append(f'\tDECLARE_WITHIN({within}) \\')
        if config_name is not None:
            out.append(f'\tstatic const TCHAR* StaticConfigName() {{return TEXT("{config_name}");}} \\')
        out.append('')
        out.append('')
        ctor_call = 'DEFINE_ABSTRACT_DEFAULT_OBJECT_INITIALIZER_CONSTRUCTOR_CALL' if is_abstract else 'DEFINE_DEFAULT_OBJECT_INITIALIZER_CONSTRUCTOR_CALL'
        if cls.has_default_ctor and not cls.has_initializer_ctor and not cls.legacy_body:
            ctor_call = 'DEFINE_ABSTRACT_DEFAULT_CONSTRUCTOR_CALL' if is_abstract else 'DEFINE_DEFAULT_CONSTRUCTOR_CALL'
        if cls.legacy_body:
            out.append(f'#define {prefix}_STANDARD_CONSTRUCTORS \\')
            out.append('\t/** Standard constructor, called after all reflected properties have been initialized */ \\')
            out.append(f'\t{api} {cls.name}(const FObjectInitializer& ObjectInitializer); \\')
            out.append(f'\t{ctor_call}({cls.name}) \\')
        else:
            out.append(f'#define {prefix}_ENHANCED_CONSTRUCTORS \\')
            if not cls.has_default_ctor and not cls.has_initializer_ctor:
                out.append('\t/** Standard constructor, called after all reflected properties have been initialized */ \\')
                out.append(f'\t{api} {cls.name}(const FObjectInitializer& ObjectInitializer = FObjectInitializer::Get()); \\')
        out.append('private: \\')
        out.append('\t/** Private move- and copy-constructors, should never be used */ \\')
        out.append(f'\t{cls.name}({cls.name}&&); \\')
        out.append(f'\t{cls.name}(const {cls.name}&); \\')
        out.append('public: \\')
        out.append(f'\tDECLARE_VTABLE_PTR_HELPER_CTOR({api}, {cls.name}); \\')
        out.append(f'\tDEFINE_VTABLE_PTR_HELPER_CTOR_CALLER({cls.name}); \\')
        if not cls.legacy_body:
            out.append(f'\t{ctor_call}({cls.name}) \\')
        if not cls.has_destructor:
            out.append(f'\t{api} virtual ~{cls.name}();')
        else:
            out.append('')
        out.append('')
        out.append('')
        out.append(f'#define {fid}_h_{cls.uclass_line}_PROLOG')
        if cls.legacy_body:
            out.append(f'#define {prefix}_GENERATED_BODY_LEGACY \\')
            out.append('PRAGMA_DISABLE_DEPRECATION_WARNINGS \\')
            out.append('public: \\')
            out.append(f'\t{prefix}_INCLASS_NO_PURE_DECLS \\')
            out.append(f'\t{prefix}_STANDARD_CONSTRUCTORS \\')
            out.append('public: \\')
            out.append('PRAGMA_ENABLE_DEPRECATION_WARNINGS')
        else:
            out.append(f'#define {prefix}_GENERATED_BODY \\')
            out.append('PRAGMA_DISABLE_DEPRECATION_WARNINGS \\')
            out.append('public: \\')
            out.append(f'\t{prefix}_INCLASS_NO_PURE_DECLS \\')
            out.append(f'\t{prefix}_ENHANCED_CONSTRUCTORS \\')
            out.append('private: \\')
            out.append('PRAGMA_ENABLE_DEPRECATION_WARNINGS')
        out.append('')
        out.append('')
        out.append(f'template<> {module_api} UClass* StaticClass<class {cls.name}>();')
        out.append('')
        out.append(f'// End Class {cls.name}')
        out.append('')
    out.append('#undef CURRENT_FILE_ID')
    out.append(f'#define CURRENT_FILE_ID {fid}_h')
    out.append('')
    out.append('')
    out.append('PRAGMA_ENABLE_DEPRECATION_WARNINGS')
    out.append('')
    return '\n'.join(out)


def generate_class_body(cls, module, module_api, include_path, module_relative, class_modules, path):
    out = []
    super_module = class_modules.get(cls.super_name)
    if super_module is None:
        raise UhtError(path, cls.uclass_line, f"super class '{cls.super_name}' of '{cls.name}' is not a reflected class of any module")
    lowered = [key.lower() for key, _ in cls.specifiers]
    config_name = class_config_name(cls)
    flag_names = ['CLASS_Native', 'CLASS_MatchedSerializers']
    for key in lowered:
        flag = CLASS_STATIC_FLAG_MAP.get(key)
        if flag and flag not in flag_names:
            flag_names.append(flag)
    if config_name is not None and 'CLASS_Config' not in flag_names:
        flag_names.append('CLASS_Config')
    if 'minimalapi' in lowered:
        flag_names.append('CLASS_MinimalAPI')
    if cls.api:
        flag_names.append('CLASS_RequiredAPI')
    flags_value = 0
    for name in flag_names:
        flags_value |= CLASS_FLAG_VALUES[name]

    statics = f'Z_Construct_UClass_{cls.name}_Statics'
    out.append(f'// Begin Class {cls.name}')
    out.append(f'void {cls.name}::StaticRegisterNatives{cls.name}()')
    out.append('{')
    out.append('}')
    out.append(f'IMPLEMENT_CLASS_NO_AUTO_REGISTRATION({cls.name});')
    out.append(f'UClass* Z_Construct_UClass_{cls.name}_NoRegister()')
    out.append('{')
    out.append(f'\treturn {cls.name}::StaticClass();')
    out.append('}')
    out.append(f'struct {statics}')
    out.append('{')
    out.append('#if WITH_METADATA')
    out.append('\tstatic constexpr UECodeGen_Private::FMetaDataPairParam Class_MetaDataParams[] = {')
    for key, value in class_meta(cls, include_path, module_relative):
        out.append(f'\t\t{{ {cpp_string(key)}, {cpp_string(value)} }},')
    out.append('\t};')
    for prop in cls.properties:
        if prop.condition:
            out.append(f'#if {prop.condition}')
        pairs = list(prop.meta) + [('ModuleRelativePath', module_relative)]
        pairs.sort(key=lambda pair: pair[0].lower())
        out.append(f'\tstatic constexpr UECodeGen_Private::FMetaDataPairParam NewProp_{prop.name}_MetaData[] = {{')
        for key, value in pairs:
            out.append(f'\t\t{{ {cpp_string(key)}, {cpp_string(value)} }},')
        out.append('\t};')
        if prop.condition:
            out.append(f'#endif // {prop.condition}')
    out.append('#endif // WITH_METADATA')
    for prop in cls.properties:
        if prop.condition:
            out.append(f'#if {prop.condition}')
        out.append(f'\tstatic void NewProp_{prop.name}_Copy(UObject* Dest, const UObject* Source)')
        out.append('\t{')
        out.append(f'\t\tstatic_cast<{cls.name}*>(Dest)->{prop.name} = static_cast<const {cls.name}*>(Source)->{prop.name};')
        out.append('\t}')
        out.append(f'\tstatic FString NewProp_{prop.name}_ToString(const UObject* Object)')
        out.append('\t{')
        value = f'static_cast<const {cls.name}*>(Object)->{prop.name}'
        if prop.is_bitfield_bool:
            value = f'(bool){value}'
        out.append(f'\t\treturn HostPropertyToString({value});')
        out.append('\t}')
        out.append(f'\tstatic bool NewProp_{prop.name}_FromString(UObject* Object, const FString& Text)')
        out.append('\t{')
        target = f'static_cast<{cls.name}*>(Object)->{prop.name}'
        if prop.is_bitfield_bool:
            out.append('\t\tbool Value = false;')
            out.append('\t\tif (!HostPropertyFromStringIfReadable(Value, Text))')
            out.append('\t\t{')
            out.append('\t\t\treturn false;')
            out.append('\t\t}')
            out.append(f'\t\t{target} = Value;')
            out.append('\t\treturn true;')
        else:
            out.append(f'\t\treturn HostPropertyFromStringIfReadable({target}, Text);')
        out.append('\t}')
        # Saved as the member's declared type (a bitfield's integer), so that loading gives back the same value.
        value_type = f'std::remove_cv_t<decltype({cls.name}::{prop.name})>'
        out.append(f'\tstatic FHostSavedPropertyValue NewProp_{prop.name}_Save(const UObject* Object)')
        out.append('\t{')
        out.append(f'\t\treturn std::make_shared<const {value_type}>(static_cast<const {cls.name}*>(Object)->{prop.name});')
        out.append('\t}')
        out.append(f'\tstatic void NewProp_{prop.name}_Load(UObject* Object, const FHostSavedPropertyValue& Saved)')
        out.append('\t{')
        out.append(f'\t\tstatic_cast<{cls.name}*>(Object)->{prop.name} = *static_cast<const {value_type}*>(Saved.get());')
        out.append('\t}')
        out.append(f'\tstatic const UECodeGen_Private::FPropertyParamsBase NewProp_{prop.name};')
        if prop.condition:
            out.append(f'#endif // {prop.condition}')
    if cls.properties:
        out.append('\tstatic const UECodeGen_Private::FPropertyParamsBase* const PropPointers[];')
    out.append('\tstatic UObject* (*const DependentSingletons[])();')
    out.append('\tstatic constexpr FCppClassTypeInfoStatic StaticCppClassTypeInfo = {')
    out.append(f'\t\tTCppClassTypeTraits<{cls.name}>::IsAbstract,')
    out.append('\t};')
    out.append('\tstatic const UECodeGen_Private::FClassParams ClassParams;')
    out.append('};')
    for prop in cls.properties:
        if prop.condition:
            out.append(f'#if {prop.condition}')
        flags = ' | '.join(prop.flags) if prop.flags else 'CPF_None'
        out.append(f'const UECodeGen_Private::FPropertyParamsBase {statics}::NewProp_{prop.name} = {{ {cpp_string(prop.name)}, {cpp_string(prop.cpp_type)}, (EPropertyFlags)({flags}), &{statics}::NewProp_{prop.name}_Copy, &{statics}::NewProp_{prop.name}_ToString, &{statics}::NewProp_{prop.name}_Save, &{statics}::NewProp_{prop.name}_Load, &{statics}::NewProp_{prop.name}_FromString, METADATA_PARAMS(UE_ARRAY_COUNT(NewProp_{prop.name}_MetaData), NewProp_{prop.name}_MetaData) }};')
        if prop.condition:
            out.append(f'#endif // {prop.condition}')
    if cls.properties:
        out.append(f'const UECodeGen_Private::FPropertyParamsBase* const {statics}::PropPointers[] = {{')
        for prop in cls.properties:
            if prop.condition:
                out.append(f'#if {prop.condition}')
            out.append(f'\t&{statics}::NewProp_{prop.name},')
            if prop.condition:
                out.append(f'#endif // {prop.condition}')
        out.append('};')
    out.append(f'UObject* (*const {statics}::DependentSingletons[])() = {{')
    out.append(f'\t(UObject* (*)())Z_Construct_UClass_{cls.super_name},')
    out.append(f'\t(UObject* (*)())Z_Construct_UPackage__Script_{module},')
    out.append('};')
    out.append(f'static_assert(UE_ARRAY_COUNT({statics}::DependentSingletons) < 16);')
    out.append(f'const UECodeGen_Private::FClassParams {statics}::ClassParams = {{')
    out.append(f'\t&{cls.name}::StaticClass,')
    out.append(f'\t{cpp_string(config_name) if config_name is not None else "nullptr"},')
    out.append('\t&StaticCppClassTypeInfo,')
    out.append('\tDependentSingletons,')
    out.append('\tnullptr,')
    out.append('\tPropPointers,' if cls.properties else '\tnullptr,')
    out.append('\tnullptr,')
    out.append('\tUE_ARRAY_COUNT(DependentSingletons),')
    out.append('\t0,')
    out.append('\tUE_ARRAY_COUNT(PropPointers),' if cls.properties else '\t0,')
    out.append('\t0,')
    out.append(f'\t0x{flags_value:08X}u,')
    out.append(f'\tMETADATA_PARAMS(UE_ARRAY_COUNT({statics}::Class_MetaDataParams), {statics}::Class_MetaDataParams)')
    out.append('};')
    out.append(f'UClass* Z_Construct_UClass_{cls.name}()')
    out.append('{')
    out.append(f'\tif (!Z_Registration_Info_UClass_{cls.name}.OuterSingleton)')
    out.append('\t{')
    out.append(f'\t\tUECodeGen_Private::ConstructUClass(Z_Registration_Info_UClass_{cls.name}.OuterSingleton, {statics}::ClassParams);')
    out.append('\t}')
    out.append(f'\treturn Z_Registration_Info_UClass_{cls.name}.OuterSingleton;')
    out.append('}')
    out.append(f'template<> {module_api} UClass* StaticClass<{cls.name}>()')
    out.append('{')
    out.append(f'\treturn {cls.name}::StaticClass();')
    out.append('}')
    if not cls.has_default_ctor and not cls.has_initializer_ctor and not cls.legacy_body:
        out.append(f'{cls.name}::{cls.name}(const FObjectInitializer& ObjectInitializer) : Super(ObjectInitializer) {{}}')
    out.append(f'DEFINE_VTABLE_PTR_HELPER_CTOR({cls.name});')
    if not cls.has_destructor:
        out.append(f'{cls.name}::~{cls.name}() {{}}')
    out.append(f'// End Class {cls.name}')
    return out, super_module


def generate_cpp(module, module_api, header_base, include_path, module_relative, fid, classes, class_modules, path):
    out = []
    out.append('// Reflection code for ' + include_path + ', written by the host\'s header tool.')
    out.append('// DO NOT modify this manually! Edit the corresponding .h files instead!')
    out.append('')
    out.append('#include "UObject/GeneratedCppIncludes.h"')
    out.append(f'#include "{include_path}"')
    out.append('PRAGMA_DISABLE_DEPRECATION_WARNINGS')
    out.append(f'void EmptyLinkFunctionForGeneratedCode{header_base}() {{}}')
    out.append('')
    bodies = []
    references = []
    for cls in classes:
        body, super_module = generate_class_body(cls, module, module_api, include_path, module_relative, class_modules, path)
        bodies.append((cls, body))
        super_api = super_module.upper() + '_API'
        for decl in (f'{module_api} UClass* Z_Construct_UClass_{cls.name}();',
                     f'{module_api} UClass* Z_Construct_UClass_{cls.name}_NoRegister();',
                     f'{super_api} UClass* Z_Construct_UClass_{cls.super_name}();'):
            if decl not in references:
                references.append(decl)
    references.append(f'UPackage* Z_Construct_UPackage__Script_{module}();')
    out.append('// Begin Cross Module References')
    out.extend(references)
    out.append('// End Cross Module References')
    out.append('')
    for cls, body in bodies:
        out.extend(body)
        out.append('')
    out.append('// Begin Registration')
    statics = f'Z_CompiledInDeferFile_{fid}_h_Statics'
    out.append(f'struct {statics}')
    out.append('{')
    out.append('\tstatic constexpr FClassRegisterCompiledInInfo ClassInfo[] = {')
    for cls, body in bodies:
        class_hash = crc('\n'.join(body))
        out.append(f'\t\t{{ Z_Construct_UClass_{cls.name}, {cls.name}::StaticClass, TEXT("{cls.name}"), &Z_Registration_Info_UClass_{cls.name}, CONSTRUCT_RELOAD_VERSION_INFO(FClassReloadVersionInfo, sizeof({cls.name}), {class_hash}U) }},')
    out.append('\t};')
    out.append('};')
    file_hash = crc('\n'.join(out))
    out.append(f'static FRegisterCompiledInInfo Z_CompiledInDeferFile_{fid}_h_{file_hash}(TEXT("/Script/{module}"),')
    out.append(f'\t{statics}::ClassInfo, UE_ARRAY_COUNT({statics}::ClassInfo),')
    out.append('\tnullptr, 0,')
    out.append('\tnullptr, 0);')
    out.append('// End Registration')
    out.append('PRAGMA_ENABLE_DEPRECATION_WARNINGS')
    out.append('')
    return '\n'.join(out)


def generate_init(module, editor_only, body_crc, declarations_crc):
    flags = 'PKG_CompiledIn | 0x00000040' if editor_only else 'PKG_CompiledIn | 0x00000000'
    out = []
    out.append(f'// Reflection code for the script package /Script/{module}, written by the host\'s header tool.')
    out.append('// DO NOT modify this manually! Edit the corresponding .h files instead!')
    out.append('')
    out.append('#include "UObject/GeneratedCppIncludes.h"')
    out.append('PRAGMA_DISABLE_DEPRECATION_WARNINGS')
    out.append(f'void EmptyLinkFunctionForGeneratedCode{module}_init() {{}}')
    out.append(f'\tstatic FPackageRegistrationInfo Z_Registration_Info_UPackage__Script_{module};')
    out.append(f'\tFORCENOINLINE UPackage* Z_Construct_UPackage__Script_{module}()')
    out.append('\t{')
    out.append(f'\t\tif (!Z_Registration_Info_UPackage__Script_{module}.OuterSingleton)')
    out.append('\t\t{')
    out.append('\t\t\tstatic const UECodeGen_Private::FPackageParams PackageParams = {')
    out.append(f'\t\t\t\t"/Script/{module}",')
    out.append('\t\t\t\tnullptr,')
    out.append('\t\t\t\t0,')
    out.append(f'\t\t\t\t{flags},')
    out.append(f'\t\t\t\t0x{body_crc:08X},')
    out.append(f'\t\t\t\t0x{declarations_crc:08X},')
    out.append('\t\t\t\tMETADATA_PARAMS(0, nullptr)')
    out.append('\t\t\t};')
    out.append(f'\t\t\tUECodeGen_Private::ConstructUPackage(Z_Registration_Info_UPackage__Script_{module}.OuterSingleton, PackageParams);')
    out.append('\t\t}')
    out.append(f'\t\treturn Z_Registration_Info_UPackage__Script_{module}.OuterSingleton;')
    out.append('\t}')
    out.append(f'\tstatic FRegisterCompiledInInfo Z_CompiledInDeferPackage_UPackage__Script_{module}(Z_Construct_UPackage__Script_{module}, TEXT("/Script/{module}"), Z_Registration_Info_UPackage__Script_{module}, CONSTRUCT_RELOAD_VERSION_INFO(FPackageReloadVersionInfo, 0x{body_crc:08X}, 0x{declarations_crc:08X}));')
    out.append('PRAGMA_ENABLE_DEPRECATION_WARNINGS')
    out.append('')
    return '\n'.join(out)


def write_if_changed(path, content):
    try:
        with open(path, encoding='utf-8') as f:
            if f.read() == content:
                return
    except OSError:
        pass
    temp = path + '.tmp'
    with open(temp, 'w', encoding='utf-8', newline='\n') as f:
        f.write(content)
    os.replace(temp, path)


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument('--module', required=True)
    parser.add_argument('--module-dir', required=True)
    parser.add_argument('--out', required=True)
    parser.add_argument('--editor-only', action='store_true')
    parser.add_argument('headers', nargs='*')
    args = parser.parse_args(argv)

    module = args.module
    module_api = module.upper() + '_API'
    module_dir = os.path.abspath(args.module_dir)
    repo_root = find_repo_root(module_dir)
    class_modules = known_class_modules(repo_root)

    outputs = {}
    bodies = []
    declarations = []
    seen_bases = {}
    for header in sorted(os.path.abspath(h) for h in args.headers):
        raw, classes = parse_header(header, module_api)
        if not classes:
            continue
        base = os.path.splitext(os.path.basename(header))[0]
        if base in seen_bases:
            raise UhtError(header, 1, f"header name '{base}.h' is also used by {seen_bases[base]}")
        seen_bases[base] = header
        for cls in classes:
            class_modules[cls.name] = module
        include_path, module_relative = include_path_of(header, module_dir)
        fid = 'FID_' + sanitise(os.path.splitext(os.path.relpath(header, repo_root))[0])
        generated_h = generate_header(module, module_api, base, include_path, fid, classes)
        generated_cpp = generate_cpp(module, module_api, base, include_path, module_relative, fid, classes, class_modules, header)
        enums = parse_enums(header)
        if enums:
            generated_h = generated_h.replace('#undef CURRENT_FILE_ID', '\n'.join(generate_enum_declarations(enums)) + '\n#undef CURRENT_FILE_ID', 1)
            generated_cpp = generated_cpp.rstrip('\n') + '\n' + '\n'.join(generate_enum_definitions(enums)) + '\n'

        outputs[os.path.join(args.out, base + '.generated.h')] = generated_h
        outputs[os.path.join(args.out, base + '.gen.cpp')] = generated_cpp
        bodies.append(generated_cpp)
        declarations.append(generated_h)
    init = generate_init(module, args.editor_only, crc('\n'.join(bodies)), crc('\n'.join(declarations)))
    outputs[os.path.join(args.out, module + '.init.gen.cpp')] = init

    os.makedirs(args.out, exist_ok=True)
    for path in sorted(outputs):
        write_if_changed(path, outputs[path])
    return 0


if __name__ == '__main__':
    try:
        sys.exit(main(sys.argv[1:]))
    except UhtError as error:
        print(error, file=sys.stderr)
        sys.exit(1)
    except OSError as error:
        print(f"uht: error: {error}", file=sys.stderr)
        sys.exit(1)
