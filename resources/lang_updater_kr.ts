<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="ko_KR">
<context>
    <name>UpdateDialog</name>
    <message>
        <source>Rowsmith Updater</source>
        <translation>로우스미스 업데이터</translation>
    </message>
    <message>
        <source>최신버전 확인 중...</source>
        <translation>최신버전 확인 중...</translation>
    </message>
    <message>
        <source>종료</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>현재 버전 :</source>
        <translation>현재 버전 :</translation>
    </message>
    <message>
        <source>최신 버전 :</source>
        <translation>최신 버전 :</translation>
    </message>
    <message>
        <source>업데이트</source>
        <translation>업데이트</translation>
    </message>
    <message>
        <source>취소</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>완료</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>You are using latest version of Rowsmith.</source>
        <translation>최신 버전의 로우스미스를 사용하고 있습니다.</translation>
    </message>
    <message>
        <source>Failed to retrieve version information from the server.</source>
        <translation>서버에서 버전 정보를 가져오지 못했습니다.</translation>
    </message>
    <message>
        <source>Start updating...</source>
        <translation>업데이트를 시작합니다...</translation>
    </message>
    <message>
        <source>Invalid file name in version information: &apos;%1&apos;</source>
        <translation>버전 정보의 파일 이름이 올바르지 않습니다: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Cannot create folder in temp folder</source>
        <translation>임시 폴더에 폴더를 만들 수 없습니다</translation>
    </message>
    <message>
        <source>Downloading file &apos;%1&apos;...</source>
        <translation>&apos;%1&apos; 파일을 내려받는 중...</translation>
    </message>
    <message>
        <source>Failed to save downloaded file &apos;%1&apos;</source>
        <translation>내려받은 파일 &apos;%1&apos;을(를) 저장하지 못했습니다</translation>
    </message>
    <message>
        <source>Downloaded file &apos;%1&apos; is damaged.</source>
        <translation>내려받은 파일 &apos;%1&apos;이(가) 손상되었습니다.</translation>
    </message>
    <message>
        <source>Failed to create temporary file &apos;%1&apos;</source>
        <translation>임시 파일 &apos;%1&apos;을(를) 만들지 못했습니다</translation>
    </message>
    <message>
        <source>Copying file &apos;%1&apos;...</source>
        <translation>&apos;%1&apos; 파일을 복사하는 중...</translation>
    </message>
    <message>
        <source>Failed to copy downloaded file &apos;%1&apos;</source>
        <translation>내려받은 파일 &apos;%1&apos;을(를) 복사하지 못했습니다</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>완료.</translation>
    </message>
    <message>
        <source>Successfully updated.</source>
        <translation>업데이트가 완료되었습니다.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>You canceled update process.</source>
        <translation>업데이트를 취소했습니다.</translation>
    </message>
    <message>
        <source>The version information from the server could not be verified.</source>
        <translation>서버의 버전 정보가 올바른지 확인하지 못했습니다.</translation>
    </message>
    <message>
        <source>(The release notes are longer; the rest is not shown.)</source>
        <translation>(업데이트 내용이 더 있지만 나머지는 표시하지 않습니다.)</translation>
    </message>
    <message>
        <source>The server stopped responding.</source>
        <translation>서버가 응답하지 않습니다.</translation>
    </message>
    <message>
        <source>Failed to download file &apos;%1&apos;: %2</source>
        <translation>파일 &apos;%1&apos;을(를) 내려받지 못했습니다: %2</translation>
    </message>
    <message>
        <source>Some files of the previous version could not be put back. Please install Rowsmith again.</source>
        <translation>이전 버전의 파일 일부를 되돌리지 못했습니다. 로우스미스를 다시 설치해 주십시오.</translation>
    </message>
</context>
</TS>
