<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="ko_KR">
<context>
    <name>MainWindow</name>
    <message>
        <source>로우스미스</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>입력</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>입력파일:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>입력파일을 추가합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>선택된 입력파일을 제외합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>출력</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>변환설정:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>변환에 사용할 설정을 선택합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>선택된 설정을 수정합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>출력파일:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>출력파일을 지정합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>파일을 변환합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>변환</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>생성된 명세서를 출력합니다.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>명세서
출력</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>출력파일이 생성된 폴더를 탐색합니다.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>출력폴더
열기</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>파일</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>환경설정</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>정보</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>입력파일 추가</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>출력파일 지정</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>파일 변환</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>명세서 출력</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>프로그램 종료</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>프로그램을 종료합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>도움말</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>도움말을 실행합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>로우스미스 정보</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>로우스미스 정보를 보여줍니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>벨트라</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>벨트라 홈페이지로 연결합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>회사정보설정</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>회사정보를 설정합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>변환설정</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>변환설정을 관리합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error has occurred</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>업데이트 알림</translation>
    </message>
    <message>
        <source>There is newer version available.
Do you want to update now?
(Restart Rowsmith is required.

Current version : %1
Latest version : %2</source>
        <translation>새 버전이 있습니다.
지금 업데이트하시겠습니까?
(로우스미스를 다시 시작해야 합니다.)

현재 버전 : %1
최신 버전 : %2</translation>
    </message>
</context>
<context>
    <name>InfoDialog</name>
    <message>
        <source>로우스미스 정보</source>
        <translation>로우스미스 정보</translation>
    </message>
    <message>
        <source>프로그램 정보</source>
        <translation>프로그램 정보</translation>
    </message>
    <message>
        <source>로우스미스</source>
        <translation>로우스미스</translation>
    </message>
    <message>
        <source>제작일 : 2011-10-04</source>
        <translation>제작일 : 2011-10-04</translation>
    </message>
    <message>
        <source>Copyright (c) 2011 Veltra.</source>
        <translation>Copyright (c) 2011 Veltra.</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>All rights reserved.</translation>
    </message>
    <message>
        <source>저작권 정보</source>
        <translation>저작권 정보</translation>
    </message>
    <message>
        <source>확인</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Version : </source>
        <translation>버전 : </translation>
    </message>
</context>
</TS>
