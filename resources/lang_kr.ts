<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="ko_KR">
<context>
    <name>ConfigDialog</name>
    <message>
        <source>환경설정</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>회사정보</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>회사명</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>판매처명</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>판매사이트</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>http://www.myshop.com</source>
        <translation>http://www.myshop.com</translation>
    </message>
    <message>
        <source>우편번호</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>999-9999; </source>
        <translation>999-9999; </translation>
    </message>
    <message>
        <source>###-####</source>
        <translation>###-####</translation>
    </message>
    <message>
        <source>주소</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>전화번호</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>팩스번호</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>전자우편</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>myid@provider.com</source>
        <translation>myid@provider.com</translation>
    </message>
    <message>
        <source>변환설정 관리</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>새로운 설정을 추가합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>추가</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>선택된 설정을 변경합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>변경</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>선택된 설정을 삭제합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>삭제</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>변경된 사항을 저장합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>확인</source>
        <translation type="unfinished">확인</translation>
    </message>
    <message>
        <source>변경된 사항을 저장하지 않습니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>취소</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot delete the convert setting &apos;%1&apos;.</source>
        <translation>변환설정 &apos;%1&apos;을(를) 삭제할 수 없습니다.</translation>
    </message>
    <message>
        <source>Cannot write the settings file &apos;%1&apos;.</source>
        <translation>설정 파일 &apos;%1&apos;을(를) 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>저장되지 않은 변경사항</translation>
    </message>
    <message>
        <source>The company information has changed.
Discard the changes?</source>
        <translation>회사정보가 변경되었습니다.
변경사항을 버리시겠습니까?</translation>
    </message>
    <message>
        <source>02-1234-5678</source>
        <translation>02-1234-5678</translation>
    </message>
    <message>
        <source>선택된 설정을 복제하여 새 설정을 만듭니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>복제</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 copy</source>
        <translation>%1 복사본</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Delete the convert setting &apos;%1&apos;?</source>
        <translation>변환설정 &apos;%1&apos;을(를) 삭제하시겠습니까?</translation>
    </message>
</context>
<context>
    <name>ConvertSettingDialog</name>
    <message>
        <source>변환설정</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>설정 이름:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>현재 설정을 식별할 이름을 지정합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>입력양식</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>항목을 출력양식으로 드래그하여 추가합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>선택된 양식파일의 첫 항목으로 이동합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>입력될 양식을 파일에서 불러와 추가합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>입력양식 추가</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>입력양식을 초기화 합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>입력양식 비우기</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>출력양식</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV 파일</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>새로운 출력항목을 마지막에 추가합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>항목 추가</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>새로운 출력항목을 선택된 위치에 삽입합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>항목 삽입</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>선택된 항목을 삭제합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>항목 삭제</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>구매 명세서 PDF파일을 생성합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>구매 명세서 생성</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>선택된 항목을 왼쪽으로 이동합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>선택된 항목을 오른쪽으로 이동합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>출력 미리보기 (예제 행의 변환 결과)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>예제 행이 변환되어 출력될 값을 보여줍니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>구매명세서</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>제목 :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>명세서 상단에 출력될 제목을 지정합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>글꼴 :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>명세서에 사용될 글꼴을 지정합니다.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>회사정보 출력여부</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>체크하여 회사명을 출력합니다.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>회사명</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>체크하여 판매처명을 출력합니다.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>판매처명</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>체크하여 판매사이트 주소를 출력합니다.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>판매사이트</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>체크하여 우편번호를 출력합니다.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>우편번호</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>체크하여 주소를 출력합니다.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>주소</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>체크하여 전화번호를 출력합니다.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>전화번호</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>체크하여 팩스번호를 출력합니다.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>팩스번호</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>체크하여 전자우편 주소를 출력합니다.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>전자우편</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>구매감사 문구 :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>수신자 주소 아래에 표시될 구매감사 문구를 지정합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>명세서 안내문구 :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>명세서 관련 안내문구를 지정합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>변경된 사항을 저장합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>저장</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>변경된 사항을 저장하지 않습니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>취소</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load File(s)</source>
        <translation>파일 불러오기</translation>
    </message>
    <message>
        <source>Cannot open file &apos;%1&apos;:
%2.</source>
        <translation>파일 &apos;%1&apos;을(를) 열 수 없습니다:
%2</translation>
    </message>
    <message>
        <source>Input file has a malformed record:
%1 (line %2).</source>
        <translation>입력파일에 읽을 수 없는 레코드가 있습니다:
%1 (%2번째 줄)</translation>
    </message>
    <message>
        <source>Input file has no header line:
%1.</source>
        <translation>입력파일에 머리글 행이 없습니다:
%1</translation>
    </message>
    <message>
        <source>Matching key was not selected</source>
        <translation>매칭할 항목이 선택되지 않았습니다.</translation>
    </message>
    <message>
        <source>Name field is required.</source>
        <translation>설정 이름을 입력해 주십시오.</translation>
    </message>
    <message>
        <source>Name must not contain &apos;/&apos; or &apos;\&apos;.</source>
        <translation>설정 이름에 &apos;/&apos; 또는 &apos;\&apos; 문자는 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>PDF title field is required.</source>
        <translation>명세서 제목을 입력해 주십시오.</translation>
    </message>
    <message>
        <source>Replace convert setting</source>
        <translation>변환설정 덮어쓰기</translation>
    </message>
    <message>
        <source>A convert setting named &apos;%1&apos; already exists.
Replace it?</source>
        <translation>&apos;%1&apos; 변환설정이 이미 있습니다.
덮어쓰시겠습니까?</translation>
    </message>
    <message>
        <source>Cannot write the settings file &apos;%1&apos;.</source>
        <translation>설정 파일 &apos;%1&apos;을(를) 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>저장되지 않은 변경사항</translation>
    </message>
    <message>
        <source>The convert setting has changed.
Discard the changes?</source>
        <translation>변환설정이 변경되었습니다.
변경사항을 버리시겠습니까?</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*.*)</source>
        <translation>CSV 파일 (*.csv);;모든 파일 (*.*)</translation>
    </message>
    <message>
        <source>출력 인코딩 :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>출력 CSV 파일의 문자 인코딩을 지정합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>인코딩으로 표현할 수 없는 문자를 〓로 바꾸어 저장하고, 변환이 끝나면 그 행을 알려줍니다. 체크하지 않으면 변환을 중단합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>표현할 수 없는 문자는 〓로 바꾸기</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>시스템 기본값</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTF-8 (BOM 포함)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CsvWriter</name>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1은(는) 일반 파일이 아닙니다</translation>
    </message>
    <message>
        <source>The device is not open for writing</source>
        <translation>쓰기용으로 열려 있지 않습니다</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>Error</source>
        <translation>오류</translation>
    </message>
</context>
<context>
    <name>DragGroupBox</name>
    <message>
        <source>회사정보</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>항목을 출력양식으로 드래그 하여 추가합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>출력양식으로 드래그 하면 회사명이 추가됩니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>회사명</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>출력양식으로 드래그 하면 판매처명이 추가됩니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>판매처명</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>출력양식으로 드래그 하면 판매사이트가 추가됩니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>판매사이트</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>출력양식으로 드래그 하면 회사 우편번호가 추가됩니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>우편번호</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>출력양식으로 드래그 하면 회사 주소가 추가됩니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>주소</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>출력양식으로 드래그 하면 회사 전화번호가 추가됩니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>전화번호</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>출력양식으로 드래그 하면 회사 팩스번호가 추가됩니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>팩스번호</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>출력양식으로 드래그 하면 회사 이메일주소가 추가됩니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>전자우편</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditConditionsDialog</name>
    <message>
        <source>조건 설정</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>항목을 선택하여 수정이 가능합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>설정된 조건들을 검사할 방식을 지정합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>비교 유형</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>비교할 항목이 문자열인지 숫자열인지 선택합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>문자열</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>숫자열</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>비교문자열</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>항목의 문자열과 비교할 문자열을 지정합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>비교방법을 선택합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>하한</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>비교할 최저한계를 지정합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>최저한계 비교방법을 선택합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>상한</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>비교할 최고한계를 지정합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>최고한계 비교방법을 선택합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>설정된 조건을 저장합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>적용</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>선택된 조건을 삭제합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>삭제</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*항목별 조건은 적용 버튼을 클릭하셔야 설정이 저장됩니다!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>조건검사방식 변경사항을 저장합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>확인</source>
        <translation type="unfinished">확인</translation>
    </message>
    <message>
        <source>조건검사방식 변경사항을 저장하지 않습니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>닫기</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting has saved</source>
        <translation>설정이 저장되었습니다</translation>
    </message>
</context>
<context>
    <name>EditOutputItemsDialog</name>
    <message>
        <source>항목변경</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>드래그하여 순서변경이 가능합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>선택된 항목을 제거합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>항목들이 연결될 때 항목간에 설정된 문자를 삽입합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>항목사이 연결자 삽입</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>삽입될 문자를 지정합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>변경사항을 저장합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>확인</source>
        <translation type="unfinished">확인</translation>
    </message>
    <message>
        <source>변경사항을 저장하지 않습니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>취소</source>
        <translation type="unfinished"></translation>
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
<context>
    <name>InputModeModel</name>
    <message>
        <source>Item</source>
        <translation>항목</translation>
    </message>
    <message>
        <source>Ex %1</source>
        <translation>예시 %1</translation>
    </message>
</context>
<context>
    <name>KeySelectDialog</name>
    <message>
        <source>항목매칭</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>매칭시 비교될 항목을 각각 선택해 주십시오</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>기존데이터 항목</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>기존데이터에서 매칭할 항목을 선택합니다.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>추가될 파일데이터 항목</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>추가한 파일에서 매칭할 항목을 선택합니다.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>선택된 항목들로 매칭하여 입력양식을 추가합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>선택</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>입력양식을 추가하지 않습니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>취소</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>로우스미스</source>
        <translation type="unfinished">로우스미스</translation>
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
        <translation type="unfinished">로우스미스 정보</translation>
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
        <translation>입력파일 추가</translation>
    </message>
    <message>
        <source>Output File</source>
        <translation>출력파일 지정</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>An error has occurred</source>
        <translation>오류가 발생했습니다</translation>
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
        <translation>새로운 버전이 있습니다.
지금 업데이트하시겠습니까?
(로우스미스를 다시 시작해야 합니다.)

현재 버전 : %1
최신 버전 : %2</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*.*)</source>
        <translation>CSV 파일 (*.csv);;모든 파일 (*.*)</translation>
    </message>
    <message>
        <source>CSV File (*.csv)</source>
        <translation>CSV 파일 (*.csv)</translation>
    </message>
    <message>
        <source>Cannot write statement file:
%1.</source>
        <translation>명세서 파일을 쓸 수 없습니다:
%1</translation>
    </message>
    <message>
        <source>Not enough memory to convert the input files.</source>
        <translation>메모리가 부족하여 입력파일을 변환할 수 없습니다.</translation>
    </message>
    <message>
        <source>Checking all fields...</source>
        <translation>입력 내용을 확인하는 중...</translation>
    </message>
    <message>
        <source>Input file is required.</source>
        <translation>입력파일을 추가해 주십시오.</translation>
    </message>
    <message>
        <source>Output file is required.</source>
        <translation>출력파일을 지정해 주십시오.</translation>
    </message>
    <message>
        <source>Output file must not be one of the input files.</source>
        <translation>입력파일을 출력파일로 지정할 수 없습니다.</translation>
    </message>
    <message>
        <source>Choose a convert setting.</source>
        <translation>변환설정을 선택해 주십시오.</translation>
    </message>
    <message>
        <source>Loading settings...</source>
        <translation>변환설정을 불러오는 중...</translation>
    </message>
    <message>
        <source>Cannot read the settings file:
%1
%2</source>
        <translation>설정 파일을 읽을 수 없습니다:
%1
%2</translation>
    </message>
    <message>
        <source>Some of its lines cannot be read as settings.</source>
        <translation>설정으로 읽을 수 없는 줄이 있습니다.</translation>
    </message>
    <message>
        <source>Processing input file(s)...</source>
        <translation>입력파일을 처리하는 중...</translation>
    </message>
    <message>
        <source>There is no input file information in setting. Please check convert settings.</source>
        <translation>변환설정에 입력양식 정보가 없습니다. 변환설정을 확인해 주십시오.</translation>
    </message>
    <message>
        <source>Generating output file...</source>
        <translation>출력파일을 생성하는 중...</translation>
    </message>
    <message>
        <source>Cannot open output file:
%1.</source>
        <translation>출력파일을 열 수 없습니다:
%1</translation>
    </message>
    <message>
        <source>Start converting...</source>
        <translation>변환을 시작합니다...</translation>
    </message>
    <message>
        <source>Deleting duplication and merging items...</source>
        <translation>중복을 제거하고 항목을 병합하는 중...</translation>
    </message>
    <message>
        <source>Creating PDF file...</source>
        <translation>PDF 파일을 생성하는 중...</translation>
    </message>
    <message>
        <source>Saving PDF file...</source>
        <translation>PDF 파일을 저장하는 중...</translation>
    </message>
    <message>
        <source>Cannot write output file:
%1.</source>
        <translation>출력파일을 쓸 수 없습니다:
%1</translation>
    </message>
    <message>
        <source>Converting succeeded.</source>
        <translation>변환이 완료되었습니다.</translation>
    </message>
    <message>
        <source>Cannot open input file:
%1.</source>
        <translation>입력파일을 열 수 없습니다:
%1</translation>
    </message>
    <message>
        <source>Input file has a malformed record:
%1 (line %2).</source>
        <translation>입력파일에 읽을 수 없는 레코드가 있습니다:
%1 (%2번째 줄)</translation>
    </message>
    <message>
        <source>Input file dose not match with setting.
Please check the input file(s).</source>
        <translation>입력파일이 변환설정의 입력양식과 일치하지 않습니다.
입력파일을 확인해 주십시오.</translation>
    </message>
    <message>
        <source>Number of input files is not matched with setting.</source>
        <translation>입력파일의 수가 변환설정과 일치하지 않습니다.</translation>
    </message>
    <message>
        <source>Cannot find proper source file.</source>
        <translation>변환설정의 입력양식에 맞는 입력파일을 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>Order Detail</source>
        <translation>주문 내역</translation>
    </message>
    <message>
        <source>Order Number</source>
        <translation>주문번호</translation>
    </message>
    <message>
        <source>Order Date</source>
        <translation>주문일</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>상품</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>수량</translation>
    </message>
    <message>
        <source>Unit Price</source>
        <translation>단가</translation>
    </message>
    <message>
        <source>Subtotal</source>
        <translation>소계</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>상품 합계</translation>
    </message>
    <message>
        <source>Tax</source>
        <translation>소비세</translation>
    </message>
    <message>
        <source>Shipping Charge</source>
        <translation>배송비</translation>
    </message>
    <message>
        <source>C.O.D Charge</source>
        <translation>대금상환 수수료</translation>
    </message>
    <message>
        <source>Total Sum</source>
        <translation>합계 금액</translation>
    </message>
    <message>
        <source>Coupon</source>
        <translation>쿠폰 할인</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>포인트 사용</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>결제 금액</translation>
    </message>
    <message>
        <source>The statement needs an output file: the setting cannot write to standard output.</source>
        <translation>명세서를 생성하려면 출력파일이 필요합니다. 이 변환설정은 표준 출력으로 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>Input file mixes text encodings:
%1 (line %2).</source>
        <translation>입력파일에 서로 다른 문자 인코딩이 섞여 있습니다:
%1 (%2번째 줄)</translation>
    </message>
    <message>
        <source>Input file has bytes that are not text in %3:
%1 (line %2).</source>
        <translation>입력파일에 %3 문자로 읽을 수 없는 바이트가 있습니다:
%1 (%2번째 줄)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>The manual was not found. It was looked for in:
%1</source>
        <translation>설명서를 찾을 수 없습니다. 다음 위치에서 찾았습니다:
%1</translation>
    </message>
    <message>
        <source>Cannot write statement file %1:
%2.</source>
        <translation>명세서 파일 %1을(를) 쓸 수 없습니다:
%2</translation>
    </message>
    <message>
        <source>Output file must not be the settings file.</source>
        <translation>설정파일을 출력파일로 지정할 수 없습니다.</translation>
    </message>
    <message>
        <source>The statement goes beside the output file, which must be a regular file:
%1.</source>
        <translation>명세서는 출력파일과 같은 폴더에 만들어지므로 출력파일은 일반 파일이어야 합니다:
%1</translation>
    </message>
    <message>
        <source>%1 character(s) that %2 cannot hold were written as 〓 in %3 row(s): %4.</source>
        <translation>%1개의 문자를 %2(으)로 표현할 수 없어 〓로 바꾸어 저장했습니다 (%3개 행, 행 번호: %4).</translation>
    </message>
    <message>
        <source>Output file cannot hold the character &apos;%1&apos; (U+%2) in item &apos;%3&apos;, row %4, in %5.</source>
        <translation>출력파일의 인코딩으로 문자 &apos;%1&apos; (U+%2)을(를) 표현할 수 없습니다 (항목 &apos;%3&apos;, %4번째 행, %5).</translation>
    </message>
    <message>
        <source>The convert setting names an unknown output encoding: %1.</source>
        <translation>변환설정에 알 수 없는 출력 인코딩이 지정되어 있습니다: %1</translation>
    </message>
</context>
<context>
    <name>MergeDialog</name>
    <message>
        <source>병합 설정</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>병합방식</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>중복제거시 병합여부와 방식을 설정합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>연결자</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>문자열 병합시 항목사이에 추가될 연결자 유형을 선택합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>문자</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>개행코드</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>항목사이에 추가될 연결문자를 지정합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LF개행 코드를 삽입합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CRLF개행 코드를 삽입합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>변경사항을 저장합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>확인</source>
        <translation type="unfinished">확인</translation>
    </message>
    <message>
        <source>변경사항을 저장하지 않습니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>취소</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select new line code.</source>
        <translation>개행코드를 선택해 주십시오.</translation>
    </message>
</context>
<context>
    <name>OutputModeModel</name>
    <message>
        <source>Double click to edit &apos;%1&apos;</source>
        <translation>더블클릭하여 &apos;%1&apos;을(를) 수정합니다</translation>
    </message>
    <message>
        <source>Double click to edit output items for &apos;%1&apos;</source>
        <translation>더블클릭하여 &apos;%1&apos;의 출력항목을 수정합니다</translation>
    </message>
    <message>
        <source>Double click to edit conditions for &apos;%1&apos;</source>
        <translation>더블클릭하여 &apos;%1&apos;의 조건을 수정합니다</translation>
    </message>
    <message>
        <source>Double click to edit rules for &apos;%1&apos;</source>
        <translation>더블클릭하여 &apos;%1&apos;의 규칙을 수정합니다</translation>
    </message>
    <message>
        <source>Check to delete duplication for &apos;%1&apos;</source>
        <translation>체크하면 &apos;%1&apos;이(가) 같은 행을 중복으로 보고 한 행으로 합칩니다</translation>
    </message>
    <message>
        <source>Double click to edit merge option for &apos;%1&apos;</source>
        <translation>더블클릭하여 &apos;%1&apos;의 병합방식을 수정합니다</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>항목명</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>출력</translation>
    </message>
    <message>
        <source>Conditions</source>
        <translation>조건</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>규칙</translation>
    </message>
    <message>
        <source>Distinct</source>
        <translation>중복제거</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>병합</translation>
    </message>
</context>
<context>
    <name>PdfRuleDialog</name>
    <message>
        <source>규칙설정</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>설정된 규칙을 병합 전 처리에 추가합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>선택된 병합 전 처리 규칙을 삭제합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>드래그하여 순서변경이 가능합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>예시</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>규칙을 시험해 볼 예시 값을 입력합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>결과</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>예시 값에 규칙을 차례로 적용한 결과입니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>변경사항을 저장합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>확인</source>
        <translation type="unfinished">확인</translation>
    </message>
    <message>
        <source>변경사항을 저장하지 않습니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>취소</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Character &apos;,&apos; cannot be included.</source>
        <translation>&apos;,&apos; 문자는 사용할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>PdfSetModel</name>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>주소</translation>
    </message>
    <message>
        <source>Post code</source>
        <translation>우편번호</translation>
    </message>
    <message>
        <source>Order number</source>
        <translation>주문번호</translation>
    </message>
    <message>
        <source>Order date</source>
        <translation>주문일</translation>
    </message>
    <message>
        <source>Product name</source>
        <translation>상품명</translation>
    </message>
    <message>
        <source>Product number</source>
        <translation>상품번호</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>옵션</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>수량</translation>
    </message>
    <message>
        <source>Unit price</source>
        <translation>단가</translation>
    </message>
    <message>
        <source>Subtotal</source>
        <translation>소계</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>상품 합계</translation>
    </message>
    <message>
        <source>Tax</source>
        <translation>소비세</translation>
    </message>
    <message>
        <source>Shipping charge</source>
        <translation>배송비</translation>
    </message>
    <message>
        <source>C.O.D charge</source>
        <translation>대금상환 수수료</translation>
    </message>
    <message>
        <source>Total sum</source>
        <translation>합계 금액</translation>
    </message>
    <message>
        <source>Coupon</source>
        <translation>쿠폰 할인</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>포인트 사용</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>결제 금액</translation>
    </message>
    <message>
        <source>Check to print &apos;%1&apos;</source>
        <translation>체크하면 &apos;%1&apos;을(를) 명세서에 출력합니다</translation>
    </message>
    <message>
        <source>[Auto]</source>
        <translation>[자동]</translation>
    </message>
    <message>
        <source>Double click to edit output items for &apos;%1&apos;</source>
        <translation>더블클릭하여 &apos;%1&apos;의 출력항목을 수정합니다</translation>
    </message>
    <message>
        <source>Double click to edit rules for &apos;%1&apos;</source>
        <translation>더블클릭하여 &apos;%1&apos;의 규칙을 수정합니다</translation>
    </message>
    <message>
        <source>Cannot assign rules for &apos;%1&apos;</source>
        <translation>&apos;%1&apos;에는 규칙을 지정할 수 없습니다</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>출력</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>항목</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>규칙</translation>
    </message>
</context>
<context>
    <name>RuleDescription</name>
    <message>
        <source>Keep the first %1 characters</source>
        <translation>처음부터 %1자 남기기</translation>
    </message>
    <message>
        <source>Keep the last %1 characters</source>
        <translation>끝에서 %1자 남기기</translation>
    </message>
    <message>
        <source>Delete the first %1 characters</source>
        <translation>처음부터 %1자 잘라내기</translation>
    </message>
    <message>
        <source>Delete the last %1 characters</source>
        <translation>끝에서 %1자 잘라내기</translation>
    </message>
    <message>
        <source>Break the line every %1 characters</source>
        <translation>%1자마다 개행</translation>
    </message>
    <message>
        <source>Insert “%1” at the start</source>
        <translation>처음에 &apos;%1&apos; 삽입</translation>
    </message>
    <message>
        <source>Insert “%1” at the end</source>
        <translation>끝에 &apos;%1&apos; 삽입</translation>
    </message>
    <message>
        <source>Delete blanks at the start and end</source>
        <translation>앞뒤 공백 제거</translation>
    </message>
    <message>
        <source>Delete blanks at the start and end, and make each run of blanks one space</source>
        <translation>앞뒤 공백을 제거하고 연속된 공백을 하나로 줄이기</translation>
    </message>
    <message>
        <source>Make every new line LF</source>
        <translation>개행코드를 LF로 통일</translation>
    </message>
    <message>
        <source>Make every new line CRLF</source>
        <translation>개행코드를 CRLF로 통일</translation>
    </message>
    <message>
        <source>Delete new lines, making one line</source>
        <translation>개행을 없애고 한 줄로 만들기</translation>
    </message>
    <message>
        <source>Convert to lower case</source>
        <translation>소문자로 변환</translation>
    </message>
    <message>
        <source>Convert to upper case</source>
        <translation>대문자로 변환</translation>
    </message>
    <message>
        <source>Convert to full width</source>
        <translation>전각문자로 변환</translation>
    </message>
    <message>
        <source>Convert to half width</source>
        <translation>반각문자로 변환</translation>
    </message>
    <message>
        <source>Convert to hiragana</source>
        <translation>히라가나로 변환</translation>
    </message>
    <message>
        <source>Convert to katakana</source>
        <translation>카타가나로 변환</translation>
    </message>
    <message>
        <source>Unknown rule, changes nothing: %1</source>
        <translation>알 수 없는 규칙이므로 변경하지 않음: %1</translation>
    </message>
    <message>
        <source>After merge: %1</source>
        <translation>병합 후: %1</translation>
    </message>
    <message>
        <source>equals “%1”</source>
        <translation>&apos;%1&apos;과(와) 일치</translation>
    </message>
    <message>
        <source>does not equal “%1”</source>
        <translation>&apos;%1&apos;과(와) 불일치</translation>
    </message>
    <message>
        <source>contains “%1”</source>
        <translation>&apos;%1&apos;을(를) 포함</translation>
    </message>
    <message>
        <source>does not contain “%1”</source>
        <translation>&apos;%1&apos;을(를) 미포함</translation>
    </message>
    <message>
        <source>starts with “%1”</source>
        <translation>&apos;%1&apos;(으)로 시작</translation>
    </message>
    <message>
        <source>does not start with “%1”</source>
        <translation>&apos;%1&apos;(으)로 시작하지 않음</translation>
    </message>
    <message>
        <source>ends with “%1”</source>
        <translation>&apos;%1&apos;(으)로 끝남</translation>
    </message>
    <message>
        <source>does not end with “%1”</source>
        <translation>&apos;%1&apos;(으)로 끝나지 않음</translation>
    </message>
    <message>
        <source>Empty every value (unknown test)</source>
        <translation>모든 값을 비움 (알 수 없는 비교방법)</translation>
    </message>
    <message>
        <source>Delete every “%1”</source>
        <translation>&apos;%1&apos;을(를) 모두 삭제</translation>
    </message>
    <message>
        <source>Replace every “%1” with “%2”</source>
        <translation>&apos;%1&apos;을(를) 모두 &apos;%2&apos;(으)로 치환</translation>
    </message>
    <message>
        <source>Delete the leading “%1”</source>
        <translation>처음의 &apos;%1&apos; 삭제</translation>
    </message>
    <message>
        <source>Replace the leading “%1” with “%2”</source>
        <translation>처음의 &apos;%1&apos;을(를) &apos;%2&apos;(으)로 치환</translation>
    </message>
    <message>
        <source>Delete the trailing “%1”</source>
        <translation>끝의 &apos;%1&apos; 삭제</translation>
    </message>
    <message>
        <source>Replace the trailing “%1” with “%2”</source>
        <translation>끝의 &apos;%1&apos;을(를) &apos;%2&apos;(으)로 치환</translation>
    </message>
    <message>
        <source>If the value %1, replace every “%2” with “%3”</source>
        <translation>%1이면 &apos;%2&apos;을(를) 모두 &apos;%3&apos;(으)로 치환</translation>
    </message>
    <message>
        <source>over %1</source>
        <translation>%1 초과</translation>
    </message>
    <message>
        <source>%1 or more</source>
        <translation>%1 이상</translation>
    </message>
    <message>
        <source>under %1</source>
        <translation>%1 미만</translation>
    </message>
    <message>
        <source>%1 or less</source>
        <translation>%1 이하</translation>
    </message>
    <message>
        <source>%1: any value</source>
        <translation>%1: 모든 값에서 성립</translation>
    </message>
    <message>
        <source>%1 is a number %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1: no test set, never true</source>
        <translation>%1: 비교방법 미설정 (항상 불성립)</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>and %1</source>
        <translation>그리고 %1</translation>
    </message>
    <message>
        <source>or %1</source>
        <translation>또는 %1</translation>
    </message>
    <message>
        <source>Never written: the way to combine the conditions is not set</source>
        <translation>조건 조합 방식이 설정되지 않아 출력되지 않음</translation>
    </message>
    <message>
        <source>Join as text (new line LF)</source>
        <translation>문자열 병합 (LF 개행)</translation>
    </message>
    <message>
        <source>Join as text (new line CRLF)</source>
        <translation>문자열 병합 (CRLF 개행)</translation>
    </message>
    <message>
        <source>Join as text (no separator)</source>
        <translation>문자열 병합 (연결자 없음)</translation>
    </message>
    <message>
        <source>Join as text (%1)</source>
        <translation>문자열 병합 (%1)</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>숫자열 합</translation>
    </message>
    <message>
        <source>Keep the value only if it %1</source>
        <translation>%1인 값만 남기기</translation>
    </message>
    <message>
        <source>Empty the value if it %1</source>
        <translation>%1인 값을 비우기</translation>
    </message>
    <message>
        <source>Make the value “%2” if it %1</source>
        <translation>%1인 값을 &apos;%2&apos;(으)로</translation>
    </message>
    <message>
        <source>전체열</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>일치문자만</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>출력</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>제외</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>치환</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>과 일치</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>과 불일치</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>을 포함</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>을 미포함</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>으로 시작</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>으로 시작하지 않음</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>으로 끝</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>으로 끝나지 않음</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>초과</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>이상</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>미만</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>이하</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>무제한</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>병합 안함</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>문자열 병합</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>숫자열 합</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>위 조건을 모두 만족시 출력</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>위 조건을 하나라도 만족시 출력</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RuleDialog</name>
    <message>
        <source>규칙설정</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>설정된 규칙을 병합 전 처리에 추가합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>선택된 병합 전 처리 규칙을 삭제합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>병합 전 처리</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>드래그하여 순서변경이 가능합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>선택된 규칙을 병합 후 처리로 이동합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>선택된 규칙을 병합 전 처리로 이동합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>설정된 규칙을 병합 후 처리에 추가합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>선택된 병합 후 처리 규칙을 삭제합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>병합 후 처리</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>예시</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>규칙을 시험해 볼 예시 값을 입력합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>병합 전</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>예시 값에 병합 전 처리 규칙을 차례로 적용한 결과입니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>병합 후</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>병합 전 처리 결과에 병합 후 처리 규칙을 차례로 적용한 결과입니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>변경사항을 저장합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>확인</source>
        <translation type="unfinished">확인</translation>
    </message>
    <message>
        <source>변경사항을 저장하지 않습니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>취소</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Character &apos;,&apos; cannot be included.</source>
        <translation>&apos;,&apos; 문자는 사용할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>RuleToolBox</name>
    <message>
        <source>문자열 길이수정</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>길이변경을 시작할 위치를 선택합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>처음부터</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>끝에서</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>변경할 길이를 지정합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>자 만큼</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>설정된 길이를 처리할 방법을 선택합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>남기기</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>잘라내기</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>개행</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>개행코드 처리</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>모든 개행코드를 LF개행코드로 치환합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>모든 개행코드를 CRLF개행코드로 치환합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>모든 개행코드를 없애고 한줄로 만듭니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>없애기(한줄로)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>문자 삽입</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>삽입위치</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>문자가 삽입될 위치를 선택합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>처음</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>끝</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>삽입문자</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>삽입 될 문자를 지정합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>문자 추출/치환</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>검색</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>검색 할 문자를 지정합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>검색 방법을 선택합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>처리 범위를 선택합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>처리 방법을 선택합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>치환</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>치환 할 문자열을 지정합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>문자종류 변환</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>모든 영문자를 소문자로 치환합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>소문자</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>모든 영문자를 대문자로 치환합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>대문자</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>모든 반각문자를 대응되는 전각문자로 치환합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>전각문자</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>모든 전각문자를 대응되는 반각문자로 치환합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>반각문자</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>모든 카타가나문자를 히라가나문자로 치환합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>히라가나</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>모든 히라가나문자를 카타가나문자로 치환합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>카타가나</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>공백제거</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>문자열의 시작과 끝 부분의 공백을 제거합니다</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>처음과 끝</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>문자열 내의 모든 공백을 제거합니다</source>
        <translation>앞뒤의 공백을 제거하고 연속된 공백을 공백 하나로 줄입니다</translation>
    </message>
    <message>
        <source>모든 공백</source>
        <translation>앞뒤와 연속된 공백</translation>
    </message>
</context>
</TS>
